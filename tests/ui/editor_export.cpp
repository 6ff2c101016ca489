// Command 32807: the Conversion TP List dialog and the file it writes. The table's text is the
// export tests' business; here the dialog writes the store's table, or nothing.
#include "conv_tp_list_dlg.h"
#include "tp_table.h"
#include "window_test_util.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <sstream>

namespace {

constexpr unsigned kExport = 32807;

} // namespace

class EditorExportTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;
    QTemporaryDir m_home;
    QString m_path;

  private slots:
    // The file goes to the home directory: the tests' own.
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        m_path = QDir(m_home.path()).filePath(QStringLiteral("tp_mora.h"));
        QCOMPARE(CConvTpListDlg::OutputPath(), m_path);
    }

    // OK writes the table over an older, longer file; Cancel writes nothing. A home directory
    // that cannot take the file is reported, and the dialog still closes as after an export.
    // Either way the current tab keeps its views.
    void okWritesTheTableCancelNothing() {
        const QString blocker = QDir(m_home.path()).filePath(QStringLiteral("not-a-dir"));
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        for (const auto& [nButton, bBlocked] : {std::pair{2, false}, {1, false}, {1, true}}) {
            QFile old(m_path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(4096, 'x')) == 4096);
            old.close();
            qputenv("HOME", QFile::encodeName(bBlocked ? blocker : m_home.path()));
            m_prompt = CScriptedPrompt();
            const auto fill = [](CChannelStore& store) {
                AppendTp(store, AppendSat(store, 192, "SAT-A"), 11494, 27500, 1);
                AppendTp(store, kFirstSatIndex, 10971, 22000);
            };
            auto dlg = ShownWindow(m_prompt, fill, 0);
            int nResult = -1;
            m_prompt.m_modalScripts = {[&](QDialog& d) { // presses OK (1) or Cancel (2)
                d.findChild<QPushButton*>(QString::number(nButton))->click();
                return nResult = d.result();
            }};
            QVERIFY(dlg->OnCommand(kExport));
            qputenv("HOME", QFile::encodeName(m_home.path()));
            QCOMPARE(nResult, nButton == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QCOMPARE(m_prompt.m_shown[0].text, QStringLiteral("Conversion TP List"));
            const CChannelStore& store = dlg->Store();
            std::ostringstream table;
            WriteTpListFile(table, std::span(store.GetSatelliteTable(), store.GetSatelliteCount()),
                            store.GetTransponderLists());
            const bool bWritten = nButton == 1 && !bBlocked;
            QCOMPARE(ReadAll(m_path),
                     bWritten ? QByteArray::fromStdString(table.str()) : QByteArray(4096, 'x'));
            const std::vector<QString> texts = m_prompt.MessageTexts();
            QCOMPARE(texts.size(), std::size_t(bBlocked ? 1 : 0));
            QVERIFY(!bBlocked || texts[0].startsWith("[Error] Can't write the file\n\"" + blocker +
                                                     "/tp_mora.h\"\n"));
            QVERIFY(dlg->Tree().isVisible() && !dlg->Grid(LIST_SAT_TV).isVisible());
        }
    }
};

QTEST_MAIN(EditorExportTest)
#include "editor_export.moc"
