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

} // namespace

class EditorExportTest : public QObject {
    Q_OBJECT

    CScriptedPrompt m_prompt;
    QTemporaryDir m_home;
    QString m_path;

    // A shown window over SAT-A with two transponders, on the tree's tab.
    std::unique_ptr<CEditorDlg> Window() {
        auto dlg = std::make_unique<CEditorDlg>(m_prompt);
        CStoreBuilder build(*dlg->GetStore());
        const BYTE nSat = build.Satellite("SAT-A", 192);
        build.Transponder(nSat, 11494, 27500, true);
        build.Transponder(nSat, 10971, 22000, false);
        dlg->show();
        dlg->TabCtrl().setCurrentIndex(0);
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

    // OK writes the table over an older, longer file; Cancel writes nothing. Either way the
    // current tab keeps its views.
    void okWritesTheTableCancelNothing() {
        for (int nButton : {2, 1}) {
            QFile old(m_path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(4096, 'x')) == 4096);
            old.close();
            auto dlg = Window();
            m_prompt.m_modalScripts = {Press(nButton)};
            QVERIFY(dlg->OnCommand(kExport));
            QCOMPARE(m_prompt.m_shown.back().text, QStringLiteral("Conversion TP List"));
            const CChannelStore& store = *dlg->GetStore();
            std::ostringstream table;
            WriteTpListFile(table, std::span(store.GetSatelliteTable(), store.GetSatelliteCount()),
                            store.GetTransponderLists());
            QCOMPARE(ReadAll(m_path),
                     nButton == 1 ? QByteArray::fromStdString(table.str()) : QByteArray(4096, 'x'));
            QVERIFY(table.str().find("10971") != std::string::npos);
            QVERIFY(m_prompt.MessageTexts().empty());
            QVERIFY(dlg->Tree().isVisible());
            QVERIFY(!dlg->Grid(LIST_SAT_TV).isVisible());
        }
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
