// The list tools in the window: each through its file dialog and its preview, cancelled and
// accepted; an accepted change is one undo step that gives the store back.
#include "duplicates.h"
#include "grid_clicks.h"
#include "grid_menu.h"
#include "save_file.h"
#include "service_csv.h"
#include "window_test_util.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include <cstring>
#include <numeric>

namespace {

// The sample, open in a shown window.
struct SSession : SWindow {
    SSession() {
        dlg.OpenDataFile(kSample);
        dlg.show();
    }
    // The sample changed by `change`, saved as another file.
    QString Variant(const std::function<void(CChannelStore&)>& change) {
        CChannelStore store;
        store.RestoreSnapshot(State());
        change(store);
        store.SetPathName(dir.filePath(QStringLiteral("ref.zdf")).toStdString());
        store.WriteDataFile();
        return QString::fromStdString(store.GetPathName());
    }
    // The sample's satellite TV list as CSV, with `from` replaced by `to`.
    QString Csv(const char* from, const char* to) {
        std::string text = WriteServicesCsv(dlg.Store(), CNameCodec(), LIST_SAT_TV), error;
        text.replace(text.find(from), std::strlen(from), to);
        const QString csv = dir.filePath(QStringLiteral("list.csv"));
        WriteCsvFile(csv.toStdString(), text, error);
        return csv;
    }
    bool PasteOffered() {
        SelectCells(dlg.Grid(LIST_SAT_TV), 2, 0, 3, 0);
        RightClickGridCell(dlg.Grid(LIST_SAT_TV), 2, 1);
        return prompt.m_menus.back().items[1].bEnabled;
    }

    QTemporaryDir dir;
};

QStringList Lines(const QDialog& dlg) {
    QStringList lines;
    const auto* list = dlg.findChild<QListWidget*>(QStringLiteral("lines"));
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// One command: the file its dialog is answered with (prepared in the session), the start of
// the dialog captions and messages it shows ("|" after each; "%1" the file), what the user
// sees and does in its dialog, the undo step an accepted one makes, and what the views show.
struct STool {
    UINT nId;
    std::function<QString(SSession&)> prepare;
    QString shown;
    std::function<void(QDialog&)> look;
    QString undoText; // empty: the store stays as it was
    std::function<void(SSession&, bool bAccepted)> after;
};

std::vector<STool> Tools() {
    return {
        // The reference lacks the second service and has the rest backwards; kept in its place,
        // the unmatched service stays second and the others follow the reference.
        {ID_EDIT_ORDER_LIKE,
         [](SSession& s) {
             return s.Variant([](CChannelStore& store) {
                 DeleteServices(store, {{LIST_SAT_TV, 1}});
                 std::vector<WORD> order(store.GetRowCount(LIST_SAT_TV));
                 std::iota(order.rbegin(), order.rend(), WORD(0));
                 store.ReorderList(LIST_SAT_TV, order);
             });
         },
         "Order Like|",
         [](QDialog& dlg) {
             QCOMPARE(Lines(dlg).mid(0, 2),
                      (QStringList{"satellite-tv: 221 services; 220 matched by key, 0 by name, 1 "
                                   "unmatched; reordered",
                                   "  unmatched \"Zephyr Movies\""}));
             dlg.findChild<QCheckBox*>(QStringLiteral("keepPlaces"))->setChecked(true);
         },
         "Order Like ref.zdf",
         [](SSession& s, bool bAccepted) {
             QCOMPARE(Column(s.dlg.Grid(LIST_SAT_TV), 6).mid(0, 3),
                      (QStringList{"Ember Life", "Zephyr Movies",
                                   bAccepted ? "Pioneer HD" : "Pioneer Kids"}));
         }},
        {ID_FILE_IMPORT_CSV, [](SSession& s) { return s.Csv(",Ember Life,", ",Ember Lite,"); },
         "Import CSV|", nullptr, "Import CSV",
         [](SSession& s, bool bAccepted) {
             QCOMPARE(Column(s.dlg.Grid(LIST_SAT_TV), 6).mid(0, 1),
                      QStringList{bAccepted ? "Ember Lite" : "Ember Life"});
         }},
        // Refused with the row and column, before any preview.
        {ID_FILE_IMPORT_CSV, [](SSession& s) { return s.Csv("tv,1,", "tv,one,"); },
         "[Error] %1: row 2, column 2 (number): ", nullptr, "", nullptr},
        // A reference that cannot be read is one message, and no preview.
        {ID_EDIT_ORDER_LIKE, [](SSession& s) { return s.dir.filePath(QStringLiteral("no.zdf")); },
         "[Error] ", nullptr, "",
         [](SSession& s, bool) { QCOMPARE(s.prompt.m_shown.size(), std::size_t(2)); }},
        // The sample has ten groups; a service on the transponder of an earlier one of its group
        // is checked (two), others are not ("Mosaic Travel" on 11106 H and 11925 H). A pending
        // Cut is forgotten once services are deleted.
        {ID_EDIT_FIND_DUPLICATES,
         [](SSession& s) {
             s.prompt.m_menuAnswers = {ID_EDIT_CUT};
             s.PasteOffered();
             return QString();
         },
         "Find Duplicates|",
         [](QDialog& dlg) {
             const QTreeWidgetItem* first = dlg.findChild<QTreeWidget*>()->topLevelItem(0);
             QCOMPARE(first->text(0) + u'|' + first->child(0)->text(0),
                      QStringLiteral("satellite-tv: 19.2E \"Helion 19.2E\": \"Mosaic Travel\"|No. "
                                     "10, 11106 MHz H, service id 2041"));
             QVERIFY(first->child(0)->checkState(0) == Qt::Unchecked &&
                     first->child(1)->checkState(0) == Qt::Unchecked);
         },
         "Delete 2 duplicates",
         [](SSession& s, bool bAccepted) { QCOMPARE(s.PasteOffered(), !bAccepted); }},
        {ID_EDIT_FIND_DUPLICATES,
         [](SSession& s) {
             s.dlg.OnCommand(ID_FILE_NEW);
             return QString();
         },
         "No duplicates found.|", nullptr, "", nullptr},
        {ID_FILE_COMPARE_WITH,
         [](SSession& s) {
             return s.Variant([](CChannelStore& store) {
                 store.SetServiceName(0, LIST_SAT_TV, "Ember Lite", 10);
             });
         },
         "Compare With|",
         [](QDialog& dlg) { // from the chosen file to the window's database
             QCOMPARE(Lines(dlg), QStringList{"satellite-tv: renamed 1 \"Ember Life\": \"Ember "
                                              "Lite\" -> \"Ember Life\""});
         },
         "", nullptr},
        // The current list alone, named by its tab; the name given without an extension gets
        // ".csv". The status line says what was written.
        {ID_FILE_EXPORT_CSV, [](SSession& s) { return s.dir.filePath(QStringLiteral("out")); },
         "Export CSV|",
         [](QDialog& dlg) {
             QCOMPARE(dlg.findChild<QRadioButton*>(QStringLiteral("currentList"))->text(),
                      QStringLiteral("Satellite TV List"));
         },
         "",
         [](SSession& s, bool bAccepted) {
             std::string text, error;
             ReadWholeFile(s.dir.filePath(QStringLiteral("out.csv")).toStdString(), text, error);
             QVERIFY(text ==
                     (bAccepted ? WriteServicesCsv(s.dlg.Store(), CNameCodec(), LIST_SAT_TV) : ""));
             QCOMPARE(s.dlg.StatusFields().section(QStringLiteral(" | "), 2),
                      bAccepted ? "Exported 221 services to out.csv" : "Opened sample.zdf");
         }},
    };
}

} // namespace

class EditorToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachToolPreviewsThenChangesInOneStep() {
        for (const STool& tool : Tools()) {
            for (const bool bAccept : {false, true}) {
                SSession s;
                const QString path = tool.prepare(s);
                s.prompt.m_paths = {path};
                s.prompt.m_modalScripts = {[&](QDialog& dlg) {
                    if (tool.look)
                        tool.look(dlg);
                    return int(bAccept ? QDialog::Accepted : QDialog::Rejected);
                }};
                const SStoreSnapshot before = s.State();
                QVERIFY(s.dlg.OnCommand(tool.nId));
                QString shown;
                for (const CScriptedPrompt::SShown& prompt : s.prompt.m_shown)
                    if (prompt.kind == CScriptedPrompt::EKind::Modal ||
                        prompt.kind == CScriptedPrompt::EKind::MessageBox)
                        shown += prompt.text + u'|';
                QVERIFY2(shown.startsWith(QString(tool.shown).replace(QStringLiteral("%1"), path)),
                         qPrintable(shown));
                if (tool.after)
                    tool.after(s, bAccept);
                const bool bChanged = bAccept && !tool.undoText.isEmpty();
                QCOMPARE(!(s.State() == before), bChanged);
                QCOMPARE(s.dlg.UndoStack().undoText(), bChanged ? tool.undoText : QString());
                s.dlg.OnCommand(ID_EDIT_UNDO);
                QVERIFY(s.State() == before);
            }
        }
    }
};

QTEST_MAIN(EditorToolsTest)
#include "editor_tools.moc"
