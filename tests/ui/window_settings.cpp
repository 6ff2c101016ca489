// What the window keeps in the user's settings file between runs: its place, its tab, each file
// dialog's folder and the recent files.
#include "settings.h"
#include "window_test_util.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QScreen>

namespace {

// Open Recent's entries, "-" for the separator.
QString RecentMenu(const CEditorDlg& dlg) {
    QStringList texts;
    for (const QAction* action : dlg.GetMenuAction(ID_FILE_OPEN_RECENT)->menu()->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts.join(u'|');
}

} // namespace

class WindowSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_home; // the user's home and configuration folder
    QDir m_boxes{m_home.filePath(QStringLiteral("boxes"))};

  private slots:
    void initTestCase() {
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral(".config"))));
        QVERIFY(m_boxes.mkpath(QStringLiteral("../.config/orvane")));
    }

    // The first run opens over the whole desktop, on the satellite TV list, without recent
    // files, its dialogs where the command suggests (a broken file counts as none: the settings'
    // test). The second opens where the first was closed, on its tab, and each dialog in its own
    // last folder.
    void keptAcrossRuns() {
        const QString saved = m_boxes.filePath(QStringLiteral("saved.zdf"));
        const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry(),
                    place(40, 30, 700, 500);
        for (const bool bFirst : {true, false}) {
            CScriptedPrompt prompt;
            CSettings settings(CSettings::UserFile());
            CEditorDlg dlg(prompt, &settings);
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QCOMPARE(bFirst ? dlg.frameGeometry() : dlg.geometry(), bFirst ? desktop : place);
            QCOMPARE(dlg.GetCurrentList(), bFirst ? int(LIST_SAT_TV) : 2);
            QCOMPARE(RecentMenu(dlg), bFirst ? "-|Clear Menu"
                                             : "&1 ~/boxes/saved.zdf|&2 " +
                                                   QFileInfo(kSample).absoluteFilePath() +
                                                   "|-|Clear Menu");
            prompt.m_paths = {kSample, saved};
            dlg.OnCommand(ID_FILE_OPEN);
            QCOMPARE(prompt.m_shown.back().text, bFirst ? QString() : QFileInfo(kSample).path());
            dlg.OnCommand(ID_FILE_NEW);
            dlg.OnCommand(ID_FILE_SAVE_AS);
            QCOMPARE(prompt.m_shown.back().text, bFirst ? QString() : m_boxes.path());
            dlg.setGeometry(place);
            dlg.TabCtrl().setCurrentIndex(3);
            dlg.OnCommand(ID_EXIT);
        }
    }

    // The kept tab, the first one too; one the window does not have gives the satellite TV list.
    void keptTabOutOfRange() {
        for (const auto& [nKept, nList] : {std::pair{0, -1}, {5, int(LIST_SAT_TV)}}) {
            CSettings settings;
            settings.SetWindow({}, nKept);
            CScriptedPrompt prompt;
            const CEditorDlg dlg(prompt, &settings);
            QCOMPARE(dlg.GetCurrentList(), nList);
        }
    }

    // Up to eight files, newest first; a file named again moves to the front.
    void recentFilesNewestFirst() {
        CSettings settings;
        for (const char* pszPath : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "3"})
            settings.AddRecentFile(QString::fromLatin1(pszPath));
        QCOMPARE(settings.RecentFiles().join(u' '), QStringLiteral("3 9 8 7 6 5 4 2"));
    }

    // Each file by its whole path, one named relative to the folder the program started in too.
    // A file that has gone is reported when chosen and taken off, and nothing else happens; one
    // that is there opens. Clear Menu empties the menu and greys it.
    void openRecent() {
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        const QString gone = m_boxes.filePath(QStringLiteral("r&1.zdf"));
        QVERIFY(QFile::copy(kSample, gone) &&
                QFile::copy(kSample, m_boxes.filePath(QStringLiteral("r&2.zdf"))));
        dlg.OpenDataFile(gone);
        QDir::setCurrent(m_boxes.path());
        dlg.OpenDataFile(QStringLiteral("r&2.zdf"));
        QVERIFY(QFile::remove(gone));
        dlg.OnCommand(ID_FILE_NEW);
        QVERIFY(dlg.OnCommand(ID_FILE_MRU_FILE1 + 1));
        QCOMPARE(prompt.MessageTexts(), std::vector<QString>{"[Error] Can't read the data file \"" +
                                                             gone + "\"\nNo such file"});
        QCOMPARE(RecentMenu(dlg), QStringLiteral("&1 ~/boxes/r&&2.zdf|-|Clear Menu"));
        QVERIFY(dlg.Document().PathName().isEmpty());
        dlg.OnCommand(ID_FILE_MRU_FILE1);
        QCOMPARE(dlg.Document().DocumentName(), QStringLiteral("r&2.zdf"));
        dlg.OnCommand(ID_FILE_CLEAR_RECENT);
        QCOMPARE(RecentMenu(dlg), QStringLiteral("-|Clear Menu"));
        QVERIFY(!dlg.GetMenuAction(ID_FILE_OPEN_RECENT)->isEnabled());
    }
};

QTEST_MAIN(WindowSettingsTest)
#include "window_settings.moc"
