// What the window keeps in the user's settings file between runs: its place, its tab, each file
// dialog's folder and the recent files.
#include "settings.h"
#include "window_test_util.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScreen>

namespace {

// Open Recent's entries as their texts, "-" for the separator.
QStringList RecentMenu(const CEditorDlg& dlg) {
    QStringList texts;
    for (const QAction* action : dlg.GetMenuAction(ID_FILE_OPEN_RECENT)->menu()->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_home; // the user's home and configuration folder

  private slots:
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
        QVERIFY(QDir(m_home.path()).mkpath(QStringLiteral("boxes")));
    }

    // The first run starts from a broken file as from none: over the whole desktop, on the
    // satellite TV list, without recent files. The second opens where the first was closed, on
    // its tab, and each file dialog starts in the folder it was last used in.
    void keptAcrossRuns() {
        const QString path = CSettings::UserFile();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) &&
                file.write("[window]\ntab=3\n[x\n\x01\xff=\n") > 0);
        file.close();
        QTest::ignoreMessage(QtWarningMsg, qPrintable("orvane: ignoring the settings in " + path +
                                                      ": it is not a settings file"));
        const QString saved = m_home.filePath(QStringLiteral("boxes/saved.zdf"));
        const QRect place(40, 30, 700, 500);
        for (int nRun = 0; nRun < 2; ++nRun) {
            CScriptedPrompt prompt;
            CSettings settings(path);
            CEditorDlg dlg(prompt, &settings);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            if (nRun == 0) {
                QCOMPARE(dlg.frameGeometry(),
                         QGuiApplication::primaryScreen()->availableGeometry());
                QCOMPARE(dlg.GetCurrentList(), int(LIST_SAT_TV));
                QCOMPARE(RecentMenu(dlg), (QStringList{"-", "Clear Menu"}));
                prompt.m_paths = {kSample, saved};
                dlg.OnCommand(ID_FILE_OPEN);
                dlg.OnCommand(ID_FILE_SAVE_AS);
                dlg.setGeometry(place);
                dlg.TabCtrl().setCurrentIndex(3);
                dlg.OnCommand(ID_EXIT);
                continue;
            }
            QCOMPARE(dlg.geometry(), place);
            QCOMPARE(dlg.GetCurrentList(), 2);
            QCOMPARE(RecentMenu(dlg), (QStringList{"&1 ~/boxes/saved.zdf",
                                                   "&2 " + QFileInfo(kSample).absoluteFilePath(),
                                                   "-", "Clear Menu"}));
            dlg.OnCommand(ID_FILE_OPEN);
            QCOMPARE(prompt.m_shown.back().text, QFileInfo(kSample).path());
            dlg.OnCommand(ID_FILE_NEW);
            dlg.OnCommand(ID_FILE_SAVE_AS);
            QCOMPARE(prompt.m_shown.back().text, QFileInfo(saved).path());
        }
    }

    // Up to eight files, newest first; one opened again moves to the front, as one named by a
    // path relative to the folder the program started in. A file that has gone is reported when
    // chosen and taken off, and nothing else happens.
    void openRecent() {
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        QDir boxes(m_home.filePath(QStringLiteral("boxes")));
        for (int i = 0; i < 10; ++i) {
            const QString path = boxes.filePath(QStringLiteral("r&%1.zdf").arg(i));
            QVERIFY(QFile::copy(kSample, path));
            dlg.OpenDataFile(path);
        }
        QDir::setCurrent(boxes.path());
        dlg.OpenDataFile(QStringLiteral("r&3.zdf"));
        const auto menu = [](std::initializer_list<int> files) {
            QStringList texts;
            for (int i : files)
                texts << QStringLiteral("&%1 ~/boxes/r&&%2.zdf").arg(texts.size() + 1).arg(i);
            return texts << QStringLiteral("-") << QStringLiteral("Clear Menu");
        };
        QCOMPARE(RecentMenu(dlg), menu({3, 9, 8, 7, 6, 5, 4, 2}));

        QVERIFY(boxes.remove(QStringLiteral("r&9.zdf")));
        QVERIFY(dlg.OnCommand(ID_FILE_MRU_FILE1 + 1));
        QCOMPARE(prompt.MessageTexts(),
                 std::vector<QString>{"[Error] Can't read the data file \"" +
                                      boxes.filePath(QStringLiteral("r&9.zdf")) +
                                      "\"\nNo such file"});
        QCOMPARE(RecentMenu(dlg), menu({3, 8, 7, 6, 5, 4, 2}));

        dlg.OnCommand(ID_FILE_MRU_FILE1 + 2);
        QCOMPARE(dlg.Document().PathName(), boxes.filePath(QStringLiteral("r&7.zdf")));
        QCOMPARE(RecentMenu(dlg), menu({7, 3, 8, 6, 5, 4, 2}));
        dlg.OnCommand(ID_FILE_CLEAR_RECENT);
        QCOMPARE(RecentMenu(dlg), (QStringList{"-", "Clear Menu"}));
        QVERIFY(!dlg.GetMenuAction(ID_FILE_OPEN_RECENT)->isEnabled());
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "window_settings.moc"
