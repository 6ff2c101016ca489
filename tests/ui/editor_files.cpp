// The File menu: Open of good and broken files, Save As naming and write errors. (Save's
// question and backup: editor_undo.)
#include "window_test_util.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>

namespace {

const QString kData = QStringLiteral(ORVANE_TEST_DATA);
const QString kDataFilter = QStringLiteral("Data Files (*.zdf)|*.zdf|All Files (*.*)|*.*||");

QString PathOf(CEditorDlg& dlg) {
    return QString::fromStdString(dlg.Store().GetPathName());
}

// How many of the menus that need data are on, the path, and how many more items than the store
// holds the tree (its placeholder) and each grid (its header) show: "3 on, PATH: 1 1 1 1 1".
QString Views(CEditorDlg& dlg) {
    int nOn = 0;
    for (UINT nId : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_TRANSFER_PC_TO_STB})
        nOn += dlg.GetMenuAction(nId)->isEnabled() ? 1 : 0;
    const CChannelStore& store = dlg.Store();
    QString views = QStringLiteral("%1 on, %2: %3")
                        .arg(nOn)
                        .arg(PathOf(dlg))
                        .arg(dlg.Tree().topLevelItemCount() - store.GetSatelliteCount());
    for (BYTE nList = 0; nList < kListCount; ++nList)
        views += ' ' + QString::number(dlg.Grid(nList).GetRows() - store.GetServiceCount(nList));
    return views;
}

} // namespace

class EditorFilesTest : public QObject {
    Q_OBJECT

  private slots:
    // Which files fail, and why, is the store's business: one of each way the window reacts, each
    // over the open sample with its row 3 chosen. A failure is reported with its reason and
    // leaves no data, no path and no rows behind, so Save asks for a path and Move to Number
    // finds no row to move; a read replaces the database, a satellite block rejected as a whole
    // without a word, and one message says what the read dropped. Open offers the current file;
    // cancelled, it changes nothing.
    void openReplacesTheDatabaseOrSaysWhy() {
        const QString dropped =
            QStringLiteral("[Warning] Part of the data file \"%1\" could not be read and was "
                           "dropped:\n\nnetwork block 1 claims 205 records (at most 204): every "
                           "network name is dropped\nservice block 9 is never read: the empty "
                           "block 8 before it ends the section\n\nNothing is written until you "
                           "save.");
        const QString failed =
            QStringLiteral("[Error] Can't read the data file \"%1\"\nThe file is empty");
        for (const auto& [file, bReadable, message, nSatellites] :
             {std::tuple("empty.zdf", false, failed, 0),
              std::tuple("bad_block0.zdf", true, QString(), 0),
              std::tuple("dropped_sections.zdf", true, dropped, -1)}) {
            CScriptedPrompt prompt;
            CEditorDlg dlg(prompt);
            dlg.OpenDataFile(kSample);
            dlg.Grid(LIST_SAT_TV).SetSelection(3, 0, 3, 0);
            const QString path = kData + u'/' + file;
            prompt.m_paths = {QString(), path, QString()};
            dlg.OnCommand(ID_FILE_OPEN);
            QCOMPARE(prompt.m_shown[0].caption + prompt.m_shown[0].text, kDataFilter + kSample);
            QCOMPARE(Views(dlg), "3 on, " + kSample + ": 1 1 1 1 1");
            dlg.OnCommand(ID_FILE_OPEN);
            QCOMPARE(prompt.MessageTexts(),
                     message.isEmpty() ? std::vector<QString>() : std::vector{message.arg(path)});
            const CScriptedPrompt::SShown& last = prompt.m_shown.back();
            QVERIFY(message.isEmpty() || (last.caption == CPrompt::ApplicationName() &&
                                          (last.nType & MB_TYPEMASK) == MB_OK));
            QCOMPARE(Views(dlg), bReadable ? "3 on, " + path + ": 1 1 1 1 1" : "0 on, : 0 1 1 1 1");
            const CChannelStore& store = dlg.Store();
            if (nSatellites >= 0)
                QCOMPARE(int(store.GetSatelliteCount() + store.GetSatTvCount()), nSatellites);
            if (bReadable)
                continue;
            QCOMPARE(FilterCount(dlg), QStringLiteral("0 of 0"));
            prompt.m_integers = {5};
            dlg.OnCommand(ID_EDIT_MOVE_TO_NUMBER);
            QCOMPARE(prompt.m_integers.size(), std::size_t(1)); // not asked: no row to move
            prompt.m_shown.clear();
            dlg.OnCommand(ID_FILE_SAVE);
            QVERIFY(prompt.m_shown.size() == 1 &&
                    prompt.m_shown[0].kind == CScriptedPrompt::EKind::SaveFile);
            QCOMPARE(prompt.m_shown[0].caption, kDataFilter);
        }
    }

    // The extension is added only to a name without a dot; the copy is the file byte for byte.
    void saveAsWritesTheSameDatabase() {
        for (const auto& [chosen, written] :
             {std::pair("mine", "mine.zdf"), std::pair("mine.bak", "mine.bak"),
              std::pair("v1.2/mine", "v1.2/mine")}) {
            QTemporaryDir dir;
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("v1.2")));
            CScriptedPrompt prompt;
            CEditorDlg dlg(prompt);
            dlg.OpenDataFile(kSample);
            prompt.m_paths.push_back(dir.filePath(chosen));
            dlg.OnCommand(ID_FILE_SAVE_AS);
            QVERIFY(prompt.MessageTexts().empty());
            QCOMPARE(prompt.m_shown[0].text, kSample); // offered the current path
            QCOMPARE(PathOf(dlg), dir.filePath(written));
            QCOMPARE(ReadAll(dir.filePath(written)), ReadAll(kSample));
        }
    }

    void writeFailuresAreReported() {
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        dlg.OpenDataFile(kSample);
        const QString bad = QStringLiteral("/nonexistent-folder/x.zdf");
        prompt.m_paths.push_back(bad);
        dlg.OnCommand(ID_FILE_SAVE_AS);
        QCOMPARE(prompt.MessageTexts(),
                 std::vector<QString>{"[Error] Can't write the data file \n\"" + bad + "\"\n\n"});
        // The new path stays; Save now asks, then fails with its own wording.
        QCOMPARE(PathOf(dlg), bad);
        prompt.m_boxAnswers.push_back(IDOK);
        dlg.OnCommand(ID_FILE_SAVE);
        QCOMPARE(prompt.MessageTexts().back(),
                 "[Error] Can't write the data file\n \"" + bad + "\"\n\n");
    }
};

QTEST_MAIN(EditorFilesTest)
#include "editor_files.moc"
