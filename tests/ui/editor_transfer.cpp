// The Transfer menu: channels from the box into the editor's store and views, the editor's
// channels to the box in the box's order (each a whole transfer, watched in the dialog), what
// happens with a dialog closed early, an image that is no channel list or a box that
// goes away, and the COM port remembered between transfers and runs.
#include "settings.h"
#include "transfer_test_util.h"
#include "window_test_util.h"

#include <QTemporaryDir>

namespace {

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

// COM1 to COM4 and an editor window, the sample opened in it if asked.
struct SEditor {
    explicit SEditor(bool bOpenSample = false) {
        if (bOpenSample)
            dlg.OpenDataFile(kSample);
    }
    // Plays the user's part in the next transfer dialog.
    void Script(std::function<void(CTransferDlg&)> play) {
        prompt.m_modalScripts.push_back([play](QDialog& transfer) {
            play(dynamic_cast<CTransferDlg&>(transfer));
            return int(QDialog::Rejected);
        });
    }
    // The views' sizes, then a dash for each of Save and PC to STB greyed: "tree 0, rows 1 1 1
    // 1--".
    QString Views() const {
        QString views = QStringLiteral("tree %1, rows").arg(dlg.Tree().topLevelItemCount());
        for (BYTE nList = 0; nList < kListCount; ++nList)
            views += ' ' + QString::number(dlg.Grid(nList).GetRows());
        for (UINT nId : {ID_FILE_SAVE, ID_TRANSFER_PC_TO_STB})
            views += dlg.GetMenuAction(nId)->isEnabled() ? "" : "-";
        return views;
    }
    std::vector<BYTE> Image() { return dlg.GetStore()->BuildFullImage(); }

    CTestPorts ports;
    CBusyPrompt prompt;
    QTemporaryDir home;
    CSettings settings{home.filePath(QStringLiteral("orvane.conf"))};
    CEditorDlg dlg{prompt, &settings};
};

} // namespace

class EditorTransferTest : public QObject {
    Q_OBJECT

  private slots:
    // The port list is locked from the first block on, and stays locked once the whole image is
    // in; the close timer shuts the port. What reading the image dropped is told in one message
    // once the dialog is closed.
    void stbToPcLoadsTheBoxChannels() {
        SEditor ed;
        SBoxOptions options;
        options.image = SampleAsTheBoxHoldsIt();
        BYTE* networks = options.image.data() + kBlockSize;
        networks[4093] = 205;                    // more than a block holds
        CChannelStore().WriteBlock(0, networks); // sets the checksum only
        ed.ports.AddBox(1, options);
        ed.ports.AddBox(2);
        const QString kEmpty = QStringLiteral("tree 0, rows 1 1 1 1--");
        QCOMPARE(ed.Views(), kEmpty);
        ed.Script([](CTransferDlg& transfer) {
            QVERIFY(WaitUntil([&] { return transfer.Protocol().GetBlockIndex() > 0; }));
            for (bool bComplete : {false, true}) {
                const QStringList before = LogLines(transfer);
                ChoosePort(transfer, 1); // nothing at all happens
                QCOMPARE(LogLines(transfer), before);
                QCOMPARE(transfer.Port().GetPortNumber(), UINT(1));
                QCOMPARE(PortList(transfer).currentIndex(), 0); // the port in use
                if (!bComplete)
                    QVERIFY(WaitUntil([&] { return transfer.IsComplete(); }));
            }
            QCOMPARE(Lamp(transfer) + ' ' + LogLines(transfer).back(),
                     QStringLiteral("red Ready data transfer"));
            QCOMPARE(BarValue(transfer, IDC_PROGRESS_TRANSFER), 204);
            QVERIFY(transfer.IsTimerActive(kCloseTimerId));
            transfer.OnTimer(kCloseTimerId);
            QVERIFY(!transfer.Port().IsOpen());
            QVERIFY(!transfer.IsTimerActive(kCloseTimerId));
        });
        QVERIFY(ed.dlg.OnCommand(ID_TRANSFER_STB_TO_PC));
        QCOMPARE(ed.prompt.m_shown[0].text, QStringLiteral("Data Transfer STB to PC"));
        QCOMPARE(ed.prompt.MessageTexts(),
                 std::vector{QStringLiteral(
                     "[Warning] Part of the data received from the STB could not be read and was "
                     "dropped:\n\nnetwork block 1 claims 205 records (at most 204): every "
                     "network name is dropped\n\nNothing is written until you save.")});
        CChannelStore& store = *ed.dlg.GetStore();
        const QString kReceived = QStringLiteral("tree 10, rows 222 28 33 17");
        QCOMPARE(ed.Views(), kReceived);
        QVERIFY(!ed.dlg.Grid(LIST_SAT_TV).isHidden()); // the current tab's view is shown again
        // One undo step gives back the empty editor.
        QCOMPARE(ed.dlg.GetMenuAction(ID_EDIT_UNDO)->text(),
                 QStringLiteral("Undo Receive from STB"));
        ed.dlg.OnCommand(ID_EDIT_UNDO);
        QVERIFY(store.TakeSnapshot() == CChannelStore().TakeSnapshot());
        QCOMPARE(ed.Views(), kEmpty);
    }

    // Blocks that all arrive intact but hold no channel list: the editor's channels, perhaps not
    // saved yet, survive. (A dialog closed early is aBoxThatGoesAway's.)
    void stbToPcWithoutAChannelListKeepsTheChannels() {
        SEditor ed(true);
        SBoxOptions options;
        options.image = RandomImage(5);
        ed.ports.AddBox(1, options);
        const std::vector<BYTE> before = ed.Image();
        const QString views = ed.Views();
        ed.Script([](CTransferDlg& transfer) {
            QVERIFY(WaitUntil([&] { return transfer.IsComplete(); }));
        });
        ed.dlg.OnCommand(ID_TRANSFER_STB_TO_PC);
        QCOMPARE(ed.prompt.MessageTexts(),
                 std::vector{QStringLiteral("[Error] The data received from the STB is not a "
                                            "channel list.\nNothing was changed.")});
        QVERIFY(ed.Image() == before);
        QCOMPARE(ed.Views(), views);
    }

    // The box gets the services grouped by transponder; the editor keeps its number order.
    void pcToStbSendsTheBoxOrder() {
        SEditor ed(true);
        CPtyBox* box = ed.ports.AddBox(1);
        QVERIFY(box);
        NumberByName(*ed.dlg.GetStore());
        ed.dlg.RefillGrid(LIST_SAT_TV);
        const std::vector<BYTE> before = ed.Image();
        const std::vector<BYTE> expected = SampleAsTheBoxHoldsIt(true);
        QVERIFY(TransferImageOf(*ed.dlg.GetStore()) != expected); // the box's order differs
        // The box flashes the image; afterwards the port can change again.
        ed.Script([box](CTransferDlg& transfer) {
            QVERIFY(WaitUntil([&] { return transfer.IsTimerActive(kCloseTimerId); }));
            QVERIFY(box->Box().IsFinished());
            QCOMPARE(QStringLiteral("%1 %2 ")
                             .arg(BarValue(transfer, IDC_PROGRESS_TRANSFER))
                             .arg(BarValue(transfer, IDC_PROGRESS_FLASH)) +
                         Lamp(transfer),
                     QStringLiteral("204 51 red"));
            const QStringList log = LogLines(transfer);
            QVERIFY(log.contains("DownLoad Success") && log.contains("DownLoad CRC Check OK"));
            ChoosePort(transfer, 0);
            QCOMPARE(LogLines(transfer) << Lamp(transfer),
                     QStringList({"Disconnection COM1", "Connection COM1", "Ready data transfer",
                                  "green"}));
        });
        QVERIFY(ed.dlg.OnCommand(ID_TRANSFER_PC_TO_STB));
        QVERIFY(box->Box().ReceivedImage() == expected);
        QVERIFY(box->Box().Errors().empty());
        QVERIFY(ed.Image() == before);
    }

    // The box goes away while the dialog polls, in the middle of a transfer either way, or in
    // the second after a finished one. A loss that cuts a transfer off is one report, and the
    // lamp, the polling and the port list act as after a failed open, with the editor's data
    // unchanged, and the port then chosen is remembered; after the end it is a log line and the
    // image received is loaded.
    void aBoxThatGoesAway() {
        enum EWhen { Idle, MidTransfer, AfterTheEnd };
        const std::pair<UINT, EWhen> cases[] = {{ID_TRANSFER_STB_TO_PC, Idle},
                                                {ID_TRANSFER_STB_TO_PC, MidTransfer},
                                                {ID_TRANSFER_PC_TO_STB, MidTransfer},
                                                {ID_TRANSFER_STB_TO_PC, AfterTheEnd}};
        for (const auto& [nCommand, when] : cases) {
            const bool bAfterTheEnd = when == AfterTheEnd;
            SEditor ed(true);
            NumberByName(*ed.dlg.GetStore()); // unlike the box's channels
            SBoxOptions options, idle;
            options.image = SampleAsTheBoxHoldsIt();
            idle.strVersion = "MODE"; // never gets past its announcement
            ed.ports.AddBox(1, when == Idle ? idle : options);
            ed.ports.AddBox(2, idle);
            const std::vector<BYTE> before = ed.Image();
            ed.Script([&](CTransferDlg& transfer) {
                QVERIFY(WaitUntil([&] {
                    return when == MidTransfer ? transfer.Protocol().GetBlockIndex() >= 20
                                               : transfer.IsTimerActive(
                                                     bAfterTheEnd ? kCloseTimerId : kPollTimerId);
                }));
                ed.ports.RemoveBox(1);
                QVERIFY(WaitUntil([&] { return !transfer.Port().IsOpen(); }, 500));
                QCOMPARE(Lamp(transfer) + QString::number(transfer.IsTimerActive(kPollTimerId)),
                         QStringLiteral("red0"));
                WaitUntil([] { return false; }, 300); // no write, no further report
                if (bAfterTheEnd) {
                    QCOMPARE(LogLines(transfer).back(),
                             QStringLiteral("Connection closed by the STB"));
                    return;
                }
                ChoosePort(transfer, 1);
                QCOMPARE(Lamp(transfer) + ' ' + LogLines(transfer).back(),
                         QStringLiteral("green Ready data transfer"));
            });
            ed.dlg.OnCommand(nCommand);
            QCOMPARE(ed.prompt.MessageTexts().size(), std::size_t(bAfterTheEnd ? 0 : 1));
            if (bAfterTheEnd) {
                QVERIFY(TransferImageOf(*ed.dlg.GetStore()) == options.image);
                continue;
            }
            const CScriptedPrompt::SShown& report = ed.prompt.m_shown[1];
            QCOMPARE(report.caption + QString::number(report.nType) + report.text.right(9),
                     "Application Error" + QString::number(MB_OK | MB_ICONSTOP) + "\nPort: 1\n");
            QVERIFY(ed.Image() == before);
            // COM2, chosen after the loss, is where the next run's first transfer opens.
            CSettings nextRun(ed.home.filePath(QStringLiteral("orvane.conf")));
            CEditorDlg next(ed.prompt, &nextRun);
            QStringList log;
            ed.Script([&log](CTransferDlg& transfer) { log = LogLines(transfer); });
            next.OnCommand(ID_TRANSFER_STB_TO_PC);
            QCOMPARE(log.value(0), QStringLiteral("Connection COM2"));
        }
    }
};

QTEST_MAIN(EditorTransferTest)
#include "editor_transfer.moc"
