// The Transfer menu: channels from the box into the editor's store and views, the editor's
// channels to the box in the box's order, what happens without data, with a dialog closed early
// or an image that is no channel list, and the COM port remembered between transfers.
#include "editor_dlg.h"
#include "prompt.h"
#include "resource.h"
#include "transfer_test_util.h"

#include <QAction>
#include <QTreeWidget>

#include <functional>
#include <vector>

namespace {

const QString kSample = QStringLiteral(ORVANE_TEST_DATA "/../../res/sample.zdf");

std::vector<BYTE> TransferImageOf(CChannelStore& store) {
    std::vector<BYTE> image(store.GetImageSize());
    image.resize(store.BuildImage(image.data()));
    return image;
}

// The user renumbers the satellite TV list in name order, so that number order and the box's
// order differ.
void NumberByName(CChannelStore& store) {
    store.SortByName(LIST_SAT_TV, TRUE);
    store.Renumber(LIST_SAT_TV);
}

// The sample's channels as the box holds them: each satellite's services by transponder.
std::vector<BYTE> SampleAsTheBoxHoldsIt(bool bNumberedByName = false) {
    CChannelStore store;
    store.SetPathName(kSample.toStdString());
    if (!store.ReadDataFile())
        return {};
    if (bNumberedByName)
        NumberByName(store);
    store.SortSatListsByTransponder();
    return TransferImageOf(store);
}

// Plays the user's part in the next transfer dialog.
void Script(CScriptedPrompt& prompt, std::function<void(CTransferDlg&)> play) {
    prompt.m_modalScripts.push_back([play](QDialog& dlg) {
        play(dynamic_cast<CTransferDlg&>(dlg));
        return int(QDialog::Rejected);
    });
}

bool DataMenusEnabled(CEditorDlg& dlg) {
    return dlg.GetMenuAction(ID_FILE_SAVE)->isEnabled() &&
           dlg.GetMenuAction(ID_TRANSFER_PC_TO_STB)->isEnabled();
}

} // namespace

class EditorTransferTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { TransferSettings() = STransferSettings(); }

    void pcToStbWithoutServicesOpensNoDialog_data() {
        QTest::addColumn<bool>("openSample");
        QTest::newRow("empty editor") << false;
        QTest::newRow("satellites but no services") << true;
    }
    void pcToStbWithoutServicesOpensNoDialog() {
        QFETCH(bool, openSample);
        CTestPorts ports;
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        if (openSample) {
            dlg.OpenDataFile(kSample);
            dlg.GetStore()->ClearServices();
            QVERIFY(dlg.GetStore()->GetSatelliteCount() > 0);
        }
        const std::vector<BYTE> before = dlg.GetStore()->BuildFullImage();
        QVERIFY(dlg.OnCommand(ID_TRANSFER_PC_TO_STB));
        QVERIFY(prompt.m_shown.empty());
        QVERIFY(dlg.GetStore()->BuildFullImage() == before);
    }

    void stbToPcLoadsTheBoxChannels() {
        CTestPorts ports;
        SBoxOptions options;
        options.image = SampleAsTheBoxHoldsIt();
        QVERIFY(!options.image.empty());
        ports.AddBox(1, options);
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        QVERIFY(!DataMenusEnabled(dlg));
        Script(prompt, [](CTransferDlg& transfer) {
            QVERIFY(WaitUntil([&] { return transfer.IsComplete(); }));
        });
        QVERIFY(dlg.OnCommand(ID_TRANSFER_STB_TO_PC));
        QCOMPARE(prompt.m_shown.size(), std::size_t(1));
        QCOMPARE(prompt.m_shown[0].text, QStringLiteral("Data Transfer STB to PC"));

        CChannelStore& store = *dlg.GetStore();
        QVERIFY(store.GetSatelliteCount() > 0);
        QVERIFY(TransferImageOf(store) == options.image);
        QCOMPARE(dlg.Tree().topLevelItemCount(), store.GetSatelliteCount() + 1);
        for (BYTE nList = 0; nList < kListCount; ++nList)
            QCOMPARE(dlg.Grid(nList).GetRows(), long(store.GetServiceCount(nList)) + 1);
        QVERIFY(DataMenusEnabled(dlg));
        QVERIFY(!dlg.Grid(LIST_SAT_TV).isHidden()); // the current tab's view is shown again
    }

    void stbToPcClosedEarlyChangesNothing() {
        CTestPorts ports;
        ports.AddBox(1);
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        dlg.OpenDataFile(kSample);
        const std::vector<BYTE> before = dlg.GetStore()->BuildFullImage();
        Script(prompt, [](CTransferDlg& transfer) { QVERIFY(!transfer.IsComplete()); });
        dlg.OnCommand(ID_TRANSFER_STB_TO_PC);
        QVERIFY(dlg.GetStore()->BuildFullImage() == before);
        QVERIFY(prompt.MessageTexts().empty());
        QVERIFY(DataMenusEnabled(dlg));
    }

    // Blocks that all arrive intact can still hold no channel list; the editor's channels,
    // perhaps not saved yet, must survive that.
    void stbToPcWithNoChannelListKeepsTheChannels() {
        CTestPorts ports;
        SBoxOptions options;
        options.image = RandomImage(5);
        ports.AddBox(1, options);
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        dlg.OpenDataFile(kSample);
        const std::vector<BYTE> before = dlg.GetStore()->BuildFullImage();
        const long nRows = dlg.Grid(LIST_SAT_TV).GetRows();
        Script(prompt, [](CTransferDlg& transfer) {
            QVERIFY(WaitUntil([&] { return transfer.IsComplete(); }));
        });
        dlg.OnCommand(ID_TRANSFER_STB_TO_PC);
        QCOMPARE(prompt.MessageTexts(), std::vector<QString>({QStringLiteral(
                                            "[Error] The data received from the STB is "
                                            "not a channel list.\nNothing was changed.")}));
        QVERIFY(dlg.GetStore()->BuildFullImage() == before);
        QCOMPARE(dlg.Grid(LIST_SAT_TV).GetRows(), nRows);
        QVERIFY(DataMenusEnabled(dlg));
    }

    // The box gets the services grouped by transponder; the editor keeps its number order.
    void pcToStbSendsTheBoxOrder() {
        CTestPorts ports;
        CPtyBox* box = ports.AddBox(1);
        QVERIFY(box);
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        dlg.OpenDataFile(kSample);
        NumberByName(*dlg.GetStore());
        dlg.RefillGrid(LIST_SAT_TV);
        const std::vector<BYTE> before = dlg.GetStore()->BuildFullImage();
        const std::vector<BYTE> expected = SampleAsTheBoxHoldsIt(true);
        QVERIFY(TransferImageOf(*dlg.GetStore()) != expected); // the box's order differs
        Script(prompt, [](CTransferDlg& transfer) {
            QCOMPARE(transfer.windowTitle(), QStringLiteral("Data Transfer PC to STB"));
            QVERIFY(WaitUntil([&] { return transfer.IsTimerActive(kCloseTimerId); }));
        });
        QVERIFY(dlg.OnCommand(ID_TRANSFER_PC_TO_STB));
        QVERIFY(box->Box().IsFinished());
        QVERIFY(box->Box().ReceivedImage() == expected);
        QVERIFY(dlg.GetStore()->BuildFullImage() == before);
    }

    void thePortChosenIsRememberedForTheNextTransfer() {
        CTestPorts ports;
        ports.AddBox(2);
        CScriptedPrompt prompt;
        CEditorDlg dlg(prompt);
        Script(prompt, [](CTransferDlg& transfer) {
            QCOMPARE(LogLines(transfer).first(),
                     QStringLiteral("Connection Error!!!, Check the serial port."));
            ChoosePort(transfer, 1);
            QCOMPARE(LogLines(transfer).first(), QStringLiteral("Connection COM2"));
        });
        dlg.OnCommand(ID_TRANSFER_STB_TO_PC);
        QStringList log;
        Script(prompt, [&log](CTransferDlg& transfer) { log = LogLines(transfer); });
        dlg.OnCommand(ID_TRANSFER_STB_TO_PC);
        QCOMPARE(log, QStringList({"Connection COM2", "Ready data transfer",
                                   "Data Transfer mode : STB ==> PC"}));
    }
};

QTEST_MAIN(EditorTransferTest)
#include "editor_transfer.moc"
