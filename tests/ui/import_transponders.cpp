// File > Import Transponders in the window: a refused file changes nothing and says where it is
// wrong; the dialog lists the file's satellites to check, follows the choices in its preview, and
// its OK is one undo step that gives the store back.
#include "window_test_util.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>

namespace {

constexpr const char* kFile = R"(<?xml version="1.0"?>
<satellites>
  <sat name="19.2E Astra" flags="1" position="192">
    <transponder frequency="11000000" symbol_rate="27500000" polarization="0" fec_inner="3" system="0"/>
    <transponder frequency="11720000" symbol_rate="27500000" polarization="3" fec_inner="9" system="0"/>
    <transponder frequency="11800000" symbol_rate="22000000" polarization="1" fec_inner="2" system="1"/>
  </sat>
  <sat name="30.0W Hispasat" flags="0" position="-300">
    <transponder frequency="10730000" symbol_rate="27500000" polarization="0" fec_inner="3" system="0"/>
  </sat>
</satellites>
)";

struct SSession : SWindow {
    SSession() { Load(dlg, FillSortStore); }
    QString File(const char* text) {
        const QString path = dir.filePath(QStringLiteral("satellites.xml"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
        return path;
    }
    QTemporaryDir dir;
};

QStringList Texts(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int c = 0; c < item->columnCount(); ++c)
        texts << item->text(c);
    return texts;
}

QString LastLine(const QDialog& dlg) {
    const auto* preview = dlg.findChild<QListWidget*>(QStringLiteral("preview"));
    return preview->item(preview->count() - 1)->text();
}

} // namespace

class ImportTranspondersTest : public QObject {
    Q_OBJECT

  private slots:
    // Nothing changes when the file is refused or the dialog cancelled; a refusal is one message
    // naming the file and the line.
    void refusedOrCancelledChangesNothing() {
        const struct {
            const char* pszText;
            const char* pszMessage; // null: the dialog shows and is cancelled
        } cases[] = {
            {"<channels/>\n", ": line 1: "},
            {"<satellites>\n  <sat name=\"x\" position=\"east\"/>\n</satellites>\n", ": line 2: "},
            {kFile, nullptr},
        };
        for (const auto& c : cases) {
            SSession s;
            const SStoreSnapshot before = s.State();
            const QString path = s.File(c.pszText);
            s.prompt.m_paths.push_back(path);
            QVERIFY(s.dlg.OnCommand(ID_FILE_IMPORT_TRANSPONDERS));
            const std::vector<QString> messages = s.prompt.MessageTexts();
            if (c.pszMessage != nullptr) {
                QCOMPARE(messages.size(), std::size_t(1));
                QVERIFY2(messages[0].startsWith("[Error] " + path + c.pszMessage),
                         qPrintable(messages[0]));
            } else {
                QVERIFY(messages.empty() &&
                        s.prompt.m_shown.back().kind == CScriptedPrompt::EKind::Modal);
            }
            QVERIFY(s.State() == before);
            QCOMPARE(s.dlg.UndoStack().count(), 0);
        }
    }

    // The list shows where each satellite goes; DVB-S2 starts unchecked; the filter hides, the
    // check boxes choose, and OK takes what the preview said as one undo step.
    void checkedSatellitesImportAsOneStep() {
        SSession s;
        const SStoreSnapshot before = s.State();
        s.prompt.m_paths.push_back(s.File(kFile));
        s.prompt.m_modalScripts.push_back(Playing([](QDialog& dlg) {
            auto* tree = dlg.findChild<QTreeWidget*>(QStringLiteral("satellites"));
            auto* ok = dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            QTreeWidgetItem* astra = tree->topLevelItem(0);
            QTreeWidgetItem* hispasat = tree->topLevelItem(1);
            QCOMPARE(Texts(astra), QStringList({"19.2E Astra", "19.2E", "3", "yes: SAT-A"}));
            QCOMPARE(Texts(hispasat), QStringList({"30.0W Hispasat", "30.0W", "1", "no"}));
            QCOMPARE(astra->child(2)->text(0), QStringLiteral("11800 MHz V, 22000 kS/s, FEC 2/3, "
                                                              "DVB-S2"));
            QCOMPARE(astra->child(2)->checkState(0), Qt::Unchecked);
            QCOMPARE(astra->child(1)->checkState(0), Qt::Checked);
            QVERIFY(!ok->isEnabled());
            dlg.findChild<QLineEdit*>(QStringLiteral("filter"))->setText(QStringLiteral("30.0w"));
            QVERIFY(astra->isHidden() && !hispasat->isHidden());
            astra->setCheckState(0, Qt::Checked);
            hispasat->setCheckState(0, Qt::Checked);
            hispasat->child(0)->setCheckState(0, Qt::Unchecked);
            // A new satellite none of whose transponders goes in is not added.
            QCOMPARE(LastLine(dlg), QStringLiteral("in all: 2 satellites, 0 new; 1 transponder "
                                                   "added, 1 merged, 2 left out, 0 do not fit"));
            hispasat->child(0)->setCheckState(0, Qt::Checked);
            QCOMPARE(LastLine(dlg), QStringLiteral("in all: 2 satellites, 1 new; 2 transponders "
                                                   "added, 1 merged, 1 left out, 0 do not fit"));
            QVERIFY(ok->isEnabled());
        }));
        QVERIFY(s.dlg.OnCommand(ID_FILE_IMPORT_TRANSPONDERS));
        QCOMPARE(s.dlg.Store().GetSatelliteCount(), WORD(3));
        QCOMPARE(s.dlg.Store().GetTransponderCount(), WORD(6));
        QCOMPARE(s.dlg.UndoStack().count(), 1);
        QCOMPARE(s.dlg.UndoStack().undoText(), QStringLiteral("Import 3 transponders"));
        const SStoreSnapshot after = s.State();
        s.dlg.OnCommand(ID_EDIT_UNDO);
        QVERIFY(s.State() == before);
        s.dlg.OnCommand(ID_EDIT_REDO);
        QVERIFY(s.State() == after);
    }
};

QTEST_MAIN(ImportTranspondersTest)
#include "import_transponders.moc"
