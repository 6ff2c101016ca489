// Command 32807: the Conversion TP List dialog and the file it writes.
#include "conv_tp_list_dlg.h"
#include "editor_dlg.h"
#include "scripted_prompt.h"
#include "store_builders.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr unsigned kExport = 32807;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Plays the user: presses the dialog's button nId (1 OK, 2 Cancel).
std::function<int(QDialog&)> Press(int nId) {
    return [nId](QDialog& dlg) {
        dlg.findChild<QPushButton*>(QString::number(nId))->click();
        return dlg.result();
    };
}

const QByteArray kSatAFile =
    "\n#define DEFAULT_MAX_SAT_INFO\t     1\n\n"
    "const SSAT_INFO virtual_flash_sat[] = {\n"
    "\t{0, 0,   192,     0, 0, 0, 0, 0, 0, 0,  2, \"SAT-A\"           }, //( 19.2E)\n"
    "\t{0, 0,     0,     0, 0, 0, 0, 0, 0, 0,  0,\"\"}\n"
    "};\n\n"
    "const STP_INFO virtual_flash_tp[] = {\n\n"
    "//{frequency, symbolrate, tsid, drift, attribute(v:0,h:1), signal, satid, tpid}\n\n"
    "// SAT-A (19.2E)\n"
    "{  11494,  27500,      0, 0, 1, 0,  2,   1 },\n"
    "{  10971,  22000,      0, 0, 0, 0,  2,   2 },\n"
    "{      0,      0,      0, 0, 0, 0,  2,   0 }, \n"
    "/*==================================================*/\n\n"
    "{      0,      0,      0, 0, 0, 0,  0,   0 } //END \n"
    "/*==================================================*/\n\n"
    "};\n\n//END OF FILE\n\n";

} // namespace

class EditorExportTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;
    QTemporaryDir m_home;
    QString m_path;

    // A window over SAT-A with two transponders.
    std::unique_ptr<CEditorDlg> Window() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        CStoreBuilder build(*dlg->GetStore());
        const BYTE nSat = build.Satellite("SAT-A", 192);
        build.Transponder(nSat, 11494, 27500, true);
        build.Transponder(nSat, 10971, 22000, false);
        return dlg;
    }

  private slots:
    // The file goes to the home directory: the tests' own.
    void initTestCase() {
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        m_path = QDir(m_home.path()).filePath(QStringLiteral("tp_mora.h"));
        QCOMPARE(CConvTpListDlg::OutputPath(), m_path);
    }

    void init() {
        m_prompt = CScriptedPrompt();
        QFile::remove(m_path);
    }

    void nothingToExportShowsNothing() {
        CEditorDlg dlg(m_prompt);
        QVERIFY(dlg.OnCommand(kExport));
        CStoreBuilder(*dlg.GetStore()).Satellite("SAT-A", 192); // no transponders
        QVERIFY(dlg.OnCommand(kExport));
        QVERIFY(m_prompt.m_shown.empty());
        QVERIFY(!QFile::exists(m_path));
    }

    // OK writes the table over an older, longer file; a later export replaces it again.
    void okWritesTheTable() {
        {
            QFile old(m_path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(QByteArray(4096, 'x'));
        }
        auto dlg = Window();
        m_prompt.m_modalScripts = {Press(1), Press(1)};
        QVERIFY(dlg->OnCommand(kExport));
        QCOMPARE(m_prompt.m_shown.size(), std::size_t(1));
        QCOMPARE(m_prompt.m_shown[0].kind, CScriptedPrompt::EKind::Modal);
        QCOMPARE(m_prompt.m_shown[0].text, QStringLiteral("Conversion TP List"));
        QCOMPARE(ReadAll(m_path), kSatAFile);
        dlg->GetStore()->DeleteTransponder(2, 2);
        dlg->OnCommand(kExport);
        QVERIFY(!ReadAll(m_path).contains("10971"));
        QVERIFY(ReadAll(m_path).endsWith("//END OF FILE\n\n"));
    }

    // Cancel writes nothing and the current tab keeps its views.
    void cancelWritesNothing() {
        auto dlg = Window();
        dlg->show();
        dlg->TabCtrl().setCurrentIndex(0);
        m_prompt.m_modalScripts.push_back(Press(2));
        dlg->OnCommand(kExport);
        QVERIFY(!QFile::exists(m_path));
        QVERIFY(m_prompt.MessageTexts().empty());
        QVERIFY(dlg->Tree().isVisible());
        QVERIFY(!dlg->Grid(LIST_SAT_TV).isVisible());
    }

    // The home directory cannot take the file: the user hears of it, and the dialog still
    // closes as after an export.
    void aFailedWriteIsReported() {
        const QByteArray home = qgetenv("HOME");
        const QString blocker = QDir(m_home.path()).filePath(QStringLiteral("not-a-dir"));
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        qputenv("HOME", QFile::encodeName(blocker));
        auto dlg = Window();
        int nResult = -1;
        m_prompt.m_modalScripts.push_back([&](QDialog& d) { return nResult = Press(1)(d); });
        m_prompt.m_boxAnswers.push_back(IDOK);
        dlg->OnCommand(kExport);
        qputenv("HOME", home);
        QCOMPARE(nResult, int(QDialog::Accepted));
        const std::vector<QString> texts = m_prompt.MessageTexts();
        QCOMPARE(texts.size(), std::size_t(1));
        QVERIFY(texts[0].startsWith(QStringLiteral("[Error] Can't write the file\n\"") + blocker +
                                    QStringLiteral("/tp_mora.h\"\n")));
    }
};

QTEST_MAIN(EditorExportTest)
#include "editor_export.moc"
