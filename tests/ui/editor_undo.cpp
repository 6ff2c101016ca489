// Undo and redo of every kind of edit, with the views and the modified mark following; the
// question before unsaved changes would be lost, and what File > New leaves; the backup of a
// saved file.
#include "channel_info_dialog.h"
#include "channel_info_dlg.h"
#include "grid_clicks.h"
#include "grid_menu.h"
#include "transfer_test_util.h"
#include "window_test_util.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>

namespace {

// A copy of the sample, open in a shown window; COM1 to COM4 lead nowhere.
struct SSession {
    SSession() {
        QFile::copy(kSample, path);
        dlg.OpenDataFile(path);
        dlg.show();
    }
    SStoreSnapshot State() const { return dlg.Store().TakeSnapshot(); }
    QString Text(UINT nId) const { return dlg.GetMenuAction(nId)->text(); }
    void Click(int nButtonId) { QTest::mouseClick(dlg.GetDlgItem(nButtonId), Qt::LeftButton); }
    CMSFlexGrid& Grid(BYTE nList) { return dlg.Grid(nList); }
    void Select(BYTE nList, long nRow, long nCol, long nRowSel, long nColSel) {
        dlg.TabCtrl().setCurrentIndex(nList + 1);
        SelectCells(Grid(nList), nRow, nCol, nRowSel, nColSel);
    }
    // Chooses a command from the menu a right-click on a grid cell shows.
    void Command(BYTE nList, long nRow, long nCol, unsigned nId) {
        prompt.m_menuAnswers.push_back(nId);
        RightClickGridCell(Grid(nList), nRow, nCol);
    }
    void SelectTreeItem(int nRoot, int nChild = -1) {
        dlg.TabCtrl().setCurrentIndex(0);
        QTreeWidgetItem* item = dlg.Tree().topLevelItem(nRoot);
        dlg.Tree().setCurrentItem(nChild < 0 ? item : item->child(nChild));
    }
    // A change worth saving: a flag of the first satellite TV service turned round.
    void Edit(long nCol = 12) {
        const bool bOn = Grid(LIST_SAT_TV).GetTextMatrix(1, nCol) == QStringLiteral("*");
        dlg.TabCtrl().setCurrentIndex(1);
        Grid(LIST_SAT_TV).SetSelection(1, nCol, 1, nCol);
        dlg.OnCommand(bOn ? ID_FLAGS_DISABLE : ID_FLAGS_ENABLE);
    }

    CTestPorts ports;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("sample.zdf"));
    CScriptedPrompt prompt;
    CEditorDlg dlg{prompt};
};

// Everything the views show: the tab, every grid's cells as the user reads them (the channel
// dialog writes a network cell with its list entry's trailing blank), the current grid's
// selection and sort arrow, the tree's labels and its current item.
QStringList Views(CEditorDlg& dlg) {
    QStringList views{QString::number(dlg.TabCtrl().currentIndex())};
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        const CMSFlexGrid& grid = dlg.Grid(nList);
        for (long r = 0; r < grid.GetRows(); ++r)
            for (long c = 0; c < grid.GetCols(); ++c)
                views << grid.GetTextMatrix(r, c).trimmed();
    }
    if (const int nList = dlg.GetCurrentList(); nList >= 0) {
        const CMSFlexGrid& grid = dlg.Grid(BYTE(nList));
        views << QString::asprintf("selection %ld %ld %ld %ld, sort arrow %d %d", grid.GetRow(),
                                   grid.GetCol(), grid.GetRowSel(), grid.GetColSel(),
                                   grid.horizontalHeader()->sortIndicatorSection(),
                                   int(grid.horizontalHeader()->sortIndicatorOrder()));
    }
    views << Labels(dlg.Tree());
    for (int i = 0; i < dlg.Tree().topLevelItemCount(); ++i)
        views << Labels(dlg.Tree(), dlg.Tree().topLevelItem(i));
    if (const QTreeWidgetItem* current = dlg.Tree().currentItem())
        views << QStringLiteral("current ") + current->text(0);
    return views;
}

// One kind of edit: what its undo step is called, how the user prepares it (the selection and
// the like, no edit yet) and makes it.
struct SEditKind {
    QString text;
    std::function<void(SSession&)> prepare;
    std::function<void(SSession&)> make;
};

std::vector<SEditKind> EditKinds() {
    return {
        {"Append satellite",
         [](SSession& s) {
             s.SelectTreeItem(s.dlg.Tree().topLevelItemCount() - 1);
             s.dlg.GetDlgItem<QLineEdit>(IDC_EDIT_SAT_NAME)->setText(QStringLiteral("Nova"));
             s.dlg.GetDlgItem<QLineEdit>(IDC_EDIT_SAT_POSITION)->setText(QStringLiteral("45.0"));
         },
         [](SSession& s) { s.Click(IDC_BUTTON_APPEND); }},
        {"Update transponder",
         [](SSession& s) {
             s.SelectTreeItem(0, 1);
             s.dlg.GetDlgItem<QLineEdit>(IDC_EDIT_FREQUENCY)->setText(QStringLiteral("10999"));
         },
         [](SSession& s) { s.Click(IDC_BUTTON_UPDATE); }},
        {"Append transponder",
         [](SSession& s) {
             s.SelectTreeItem(0, s.dlg.Tree().topLevelItem(0)->childCount() - 1);
             s.dlg.GetDlgItem<QLineEdit>(IDC_EDIT_FREQUENCY)->setText(QStringLiteral("12345"));
         },
         [](SSession& s) { s.Click(IDC_BUTTON_APPEND); }},
        {"Delete satellite", [](SSession& s) { s.SelectTreeItem(1); },
         [](SSession& s) { s.Click(IDC_BUTTON_DELETE); }},
        {"Change service",
         [](SSession& s) {
             s.dlg.TabCtrl().setCurrentIndex(1);
             s.Grid(LIST_SAT_TV).SetRow(3);
             s.prompt.m_modalScripts.push_back([](QDialog& info) {
                 info.findChild<QLineEdit*>(QString::number(IDC_CHANNEL_EDIT_NAME))
                     ->setText(QStringLiteral("Renamed"));
                 static_cast<CChannelInfoDlg&>(info).accept();
                 return info.result();
             });
         },
         [](SSession& s) { s.Click(IDC_BUTTON_DETAIL_INFO); }},
        {"Paste 3 services",
         [](SSession& s) {
             s.Select(LIST_SAT_TV, 2, 0, 4, 0);
             s.Command(LIST_SAT_TV, 2, 1, ID_EDIT_CUT);
             s.Select(LIST_SAT_TV, 10, 0, 10, 0);
         },
         [](SSession& s) { s.Command(LIST_SAT_TV, 10, 1, ID_EDIT_PASTE); }},
        {"Delete 3 services", [](SSession& s) { s.Select(LIST_SAT_TV, 7, 0, 5, 0); },
         [](SSession& s) { s.Command(LIST_SAT_TV, 7, 1, ID_EDIT_DELETE); }},
        {"Enable Fav1, Fav2", [](SSession& s) { s.Select(LIST_SAT_RADIO, 1, 9, 4, 10); },
         [](SSession& s) { s.Command(LIST_SAT_RADIO, 1, 9, ID_FLAGS_ENABLE); }},
        {"Set Lock", // the sample's second terrestrial TV service is not locked
         [](SSession& s) { s.Select(LIST_TERR_TV, 2, 5, 2, 5); },
         [](SSession& s) { DoubleClickGridCell(s.Grid(LIST_TERR_TV), 2, 5); }},
        {"Sort by TV Channel Name",
         [](SSession& s) {
             s.dlg.TabCtrl().setCurrentIndex(1);
             ClickGridCell(s.Grid(LIST_SAT_TV), 0, 6);
         },
         [](SSession& s) { DoubleClickGridCell(s.Grid(LIST_SAT_TV), 0, 6); }},
    };
}

} // namespace

class EditorUndoTest : public QObject {
    Q_OBJECT

  private slots:
    // Undo gives back the store and the views as they were before the edit, redo as they were
    // after it; the modified mark follows.
    void eachKindOfEditIsUndoneAndRedone() {
        for (const SEditKind& kind : EditKinds()) {
            SSession s;
            kind.prepare(s);
            const QString& text = kind.text;
            const SStoreSnapshot before = s.State();
            const QStringList viewsBefore = Views(s.dlg);
            kind.make(s);
            const SStoreSnapshot after = s.State();
            const QStringList viewsAfter = Views(s.dlg);
            QVERIFY2(!(after == before) && s.dlg.isWindowModified(), qPrintable(text));
            for (const bool bUndo : {true, false}) {
                const UINT nId = bUndo ? ID_EDIT_UNDO : ID_EDIT_REDO;
                QCOMPARE(s.Text(nId), (bUndo ? "Undo " : "Redo ") + text);
                QVERIFY(s.dlg.OnCommand(nId));
                QVERIFY2(s.State() == (bUndo ? before : after), qPrintable(text));
                QCOMPARE(Views(s.dlg), bUndo ? viewsBefore : viewsAfter);
                QCOMPARE(s.dlg.isWindowModified(), !bUndo);
            }
        }
    }

    // Before unsaved changes would be lost the window asks; Cancel stops the command, Discard
    // lets it go on, Save saves first without asking again. Unchanged, nothing asks.
    void unsavedChangesAreOfferedForSaving() {
        const struct {
            UINT nId;
            std::function<bool(SSession&)> proceeded;
        } commands[] = {
            {ID_EXIT, [](SSession& s) { return !s.dlg.isVisible(); }},
            {0, [](SSession& s) { return !s.dlg.isVisible(); }}, // the close box
            {ID_FILE_OPEN,
             [](SSession& s) {
                 return s.prompt.m_shown.back().kind == CScriptedPrompt::EKind::OpenFile;
             }},
            // An empty database: the tree's placeholder, Append ready for a list's first service,
            // no file name, nothing to undo and no last action of the old one on the status line.
            {ID_FILE_NEW,
             [](SSession& s) {
                 const QStringList shown =
                     Labels(s.dlg.Tree())
                     << s.dlg.windowTitle()
                     << Buttons(s.dlg) +
                            (s.dlg.GetDlgItem(IDC_BUTTON_DETAIL_INFO)->isEnabled() ? "I" : "-") +
                            (s.dlg.GetMenuAction(ID_EDIT_UNDO)->isEnabled() ? "U" : "-")
                     << s.dlg.StatusFields().section(QStringLiteral(" | "), 2);
                 return s.State() == CChannelStore().TakeSnapshot() &&
                        shown == QStringList({"00. New Satellite ", "Orvane  v3.0.1 - Untitled[*]",
                                              "A----", ""});
             }},
            {ID_TRANSFER_STB_TO_PC,
             [](SSession& s) {
                 return s.prompt.m_shown.back().kind == CScriptedPrompt::EKind::Modal;
             }},
        };
        const struct {
            bool bEdit;
            int nAnswer;
            bool bProceeds;
            bool bSaved;
        } answers[] = {
            {false, 0, true, false},
            {true, IDCANCEL, false, false},
            {true, IDDISCARD, true, false},
            {true, IDSAVE, true, true},
        };
        for (const auto& command : commands) {
            for (const auto& answer : answers) {
                const QString what =
                    QStringLiteral("command %1, answer %2").arg(command.nId).arg(answer.nAnswer);
                SSession s;
                const QByteArray original = ReadAll(s.path);
                if (answer.bEdit)
                    s.Edit();
                s.prompt.m_boxAnswers = {answer.nAnswer};
                if (command.nId != 0)
                    s.dlg.OnCommand(command.nId);
                else
                    s.dlg.close();
                const std::vector<QString> texts = s.prompt.MessageTexts();
                QCOMPARE(texts.size() == 1 ? texts[0] + QString::number(s.prompt.m_shown[0].nType)
                                           : QString::number(texts.size()),
                         answer.bEdit ? "Save changes to sample.zdf?" +
                                            QString::number(MB_SAVEDISCARDCANCEL | MB_ICONWARNING)
                                      : QStringLiteral("0"));
                QVERIFY2(command.proceeded(s) == answer.bProceeds, qPrintable(what));
                QVERIFY2((ReadAll(s.path) != original) == answer.bSaved, qPrintable(what));
            }
        }
    }

    // Save asks before it writes over the file; a backup that cannot be written is reported and
    // the file is left as it was. (Which saves keep a backup is the document's rule.)
    void saveAsksAndReportsABackupItCannotWrite() {
        SSession s;
        const QByteArray original = ReadAll(s.path);
        QCOMPARE(s.dlg.windowTitle(), QStringLiteral("Orvane  v3.0.1 - sample.zdf[*]"));
        QVERIFY(QDir().mkdir(s.path + QStringLiteral(".bak")));
        s.Edit();
        s.prompt.m_boxAnswers = {IDOK};
        s.dlg.OnCommand(ID_FILE_SAVE);
        QCOMPARE(s.prompt.m_shown[0].caption + QString::number(s.prompt.m_shown[0].nType),
                 "File Save" + QString::number(MB_OKCANCEL));
        QCOMPARE(s.prompt.MessageTexts(),
                 (std::vector<QString>{QStringLiteral("Write to existing file ?\n\n"),
                                       QStringLiteral("[Error] Can't write the backup file\n "
                                                      "\"%1.bak\"\nThe data file is not saved.\n\n")
                                           .arg(s.path)}));
        QVERIFY(ReadAll(s.path) == original && s.dlg.isWindowModified());
    }
};

QTEST_MAIN(EditorUndoTest)
#include "editor_undo.moc"
