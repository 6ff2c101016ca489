// The transfer dialog: connecting when it opens, choosing ports (good, missing, or a device by
// path), the port list that follows the devices plugged in, the port list's edit field, Enter,
// the direction's captions and bars, the timers. Whole transfers through COM ports, and the port
// locked during them, are watched from the editor's Transfer menu (editor_transfer).
#include "controls.h"
#include "transfer_test_util.h"
#include "window_test_util.h"

#include <QAbstractItemView>
#include <QPushButton>

namespace {

// Serial devices that the test plugs in and pulls out.
struct SFakeDevices : ISerialDeviceList {
    std::vector<SSerialDevice> devices;
    std::vector<SSerialDevice> Devices() const override { return devices; }
};

const QString kReady = QStringLiteral("Ready data transfer");
const QString kUpMode = QStringLiteral("Data Transfer mode : STB ==> PC");
const std::string kById = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0";

SPortSetting Com(int nPort) {
    const QString id = QStringLiteral("COM%1").arg(nPort);
    return {id, id, QString()};
}

// An FTDI adapter at `path`, known by its by-id link.
SSerialDevice Adapter(const std::string& strName, const std::string& strPath) {
    return {strName, "FT232R USB UART", "FTDI", "A1B2C3", 0x0403, 0x6001, strPath, kById};
}

// The dialog run modally with `script` as the user's part; closed again when Run returns.
struct SRun {
    CScriptedPrompt prompt;
    STransferSettings settings;
    SFakeDevices devices;
    CTransferDlg dlg{prompt, settings, devices};

    template <class Script>
    void Run(UINT nDirection, const SPortSetting& port, Script script,
             const std::vector<BYTE>* pImage = nullptr) {
        dlg.SetDirection(nDirection);
        dlg.SetPort(port);
        if (pImage)
            dlg.SetImageData(pImage->data(), static_cast<UINT>(pImage->size()));
        prompt.m_modalScripts.push_back([&](QDialog&) {
            script(dlg);
            return int(QDialog::Rejected);
        });
        dlg.DoModal();
        if (dlg.Port().IsOpen() || dlg.IsTimerActive(kPollTimerId) ||
            dlg.IsTimerActive(kCloseTimerId) || dlg.IsTimerActive(kPortListTimerId))
            QTest::qFail("the closed dialog kept its port or a timer", __FILE__, __LINE__);
    }
};

// What the dialog shows besides its log: title, caption, the bars shown (their ranges), the lamp,
// the polling, the port chosen, the port open and the port list's text.
QString Face(const CTransferDlg& dlg) {
    QStringList face{dlg.windowTitle(), dlg.GetDlgItem<QLabel>(IDC_STATIC_TRANSFER)->text()};
    for (int nId : {IDC_PROGRESS_TRANSFER, IDC_PROGRESS_FLASH, IDC_STATIC_FLASH})
        if (const QWidget* control = dlg.GetDlgItem(nId); !control->isHidden())
            face << (nId == IDC_STATIC_FLASH
                         ? QStringLiteral("flash")
                         : QString::number(static_cast<const QProgressBar*>(control)->maximum()));
    face << Lamp(dlg) << (dlg.IsTimerActive(kPollTimerId) ? "polling" : "idle")
         << dlg.GetPort().strId
         << (dlg.Port().IsOpen() ? QStringLiteral("open COM%1").arg(dlg.Port().GetPortNumber())
                                 : QStringLiteral("closed"))
         << PortList(dlg).currentText();
    return face.join(' ');
}

QString Brltty(const QString& device) {
    return device + " went away right after it was plugged in: on some distributions brltty takes "
                    "such adapters; remove brltty, then plug the adapter in again";
}

} // namespace

class TransferDlgTest : public QObject {
    Q_OBJECT

  private slots:
    // The dialog opens on the remembered port and connects. A port chosen that cannot be opened
    // falls back to the one in use, if any.
    // Rows: direction, the port opened on, the boxes behind ports, the port chosen (-1 none), the
    // log, and the port in use afterwards. The log tells, no message box.
    void opensAndChoosesPorts() {
        const UINT kUp = DIRECTION_STB_TO_PC, kDown = DIRECTION_PC_TO_STB;
        const QString kNoPort = QStringLiteral("Connection Error!!!, Check the serial port.");
        const auto missing = [](int nPort) {
            return QStringLiteral("/nonexistent/ttyCOM%1: No such file or directory").arg(nPort);
        };
        const struct {
            UINT nDirection;
            int nFrom;
            QList<int> boxes;
            int nTo;
            QStringList log;
            int nKept;
        } cases[] = {
            {kUp, 0, {1}, -1, {"Connection COM1", kReady, kUpMode}, 0},
            {kDown, 2, {3}, -1, {"Connection COM3", kReady, "Data Transfer mode : PC ==> STB"}, 2},
            {kUp, 0, {}, -1, {kNoPort, missing(1), kUpMode}, 0},
            {kUp, 0, {}, 2, {kNoPort, missing(3)}, 0},
            {kUp,
             1,
             {2},
             2,
             {"Connection COM3 Error!!!", missing(3), "Connection COM2", kReady},
             1},
            {kDown, 0, {1, 4}, 3, {"Disconnection COM1", "Connection COM4", kReady}, 3}};
        const std::vector<BYTE> image = RandomImage(1);
        for (const auto& c : cases) {
            CTestPorts ports;
            for (int nPort : c.boxes)
                ports.AddBox(UINT(nPort));
            const bool bOpen = !c.boxes.isEmpty(), bDown = c.nDirection == kDown;
            SRun run;
            run.Run(
                c.nDirection, Com(c.nFrom + 1),
                [&](CTransferDlg& dlg) {
                    if (c.nTo >= 0)
                        ChoosePort(dlg, c.nTo);
                    QCOMPARE(LogLines(dlg), c.log);
                    const QString kept = QStringLiteral("COM%1").arg(c.nKept + 1);
                    QCOMPARE(Face(dlg),
                             (bDown ? "Data Transfer PC to STB Download 204 51 flash "
                                    : "Data Transfer STB to PC Upload 204 ") +
                                 (bOpen ? "green polling " + kept + " open " + kept
                                        : "red idle " + kept + " closed") +
                                 ' ' + (bOpen || c.nTo < 0 ? kept : PortList(dlg).itemText(c.nTo)));
                    const QString shown = PortList(dlg).currentText();
                    // Typing into the port list is undone: only the ports listed can be chosen.
                    QLineEdit* edit = PortList(dlg).lineEdit();
                    QTest::keyClicks(edit, QStringLiteral("X"));
                    QTest::keyClick(edit, Qt::Key_Backspace);
                    QCOMPARE(edit->text(), shown);
                    QCOMPARE(Items(PortList(dlg)),
                             QStringList({"COM1", "COM2", "COM3", "COM4",
                                          QStringLiteral("Other device\u2026")}));
                },
                &image);
            QCOMPARE(run.dlg.GetPort().strId, QStringLiteral("COM%1").arg(c.nKept + 1));
            QVERIFY(run.prompt.MessageTexts().empty());
        }
    }

    // A remembered adapter is found by its by-id link under the name it has now; when it is not
    // plugged in, it is named, and nothing opens until the user picks it. Devices plugged in
    // while the dialog is open are listed within two seconds, the list as wide as their names
    // and no control moved; one that goes again at once was taken by brltty; the connected one
    // pulled out turns the lamp red with one line and no box.
    void devicesFollowThePlug() {
        const QString kLong = QStringLiteral("USB-Serial Controller, a long description");
        for (bool bPluggedIn : {true, false}) {
            CTestPorts ports;
            SRun run;
            SBoxOptions idle;
            idle.strVersion = "MODE"; // never gets past its announcement
            const std::string strPath = ports.AddBox(4, idle)->DevicePath();
            if (bPluggedIn)
                run.devices.devices = {Adapter("ttyUSB1", strPath)};
            const SPortSetting remembered{QString::fromStdString(kById), "ttyUSB0",
                                          "FT232R USB UART"};
            run.Run(DIRECTION_STB_TO_PC, remembered, [&](CTransferDlg& dlg) {
                if (!bPluggedIn) {
                    QCOMPARE(LogLines(dlg) << Face(dlg),
                             QStringList({"ttyUSB0 (FT232R USB UART) is not plugged in", kUpMode,
                                          "Data Transfer STB to PC Upload 204 red idle " +
                                              remembered.strId + " closed "}));
                    run.devices.devices = {Adapter("ttyUSB1", strPath)};
                    PortList(dlg).showPopup(); // the list is read again as it drops down
                    PortList(dlg).hidePopup();
                    QVERIFY(!dlg.Port().IsOpen());
                    ChoosePort(dlg, 4);
                }
                QCOMPARE(LogLines(dlg).mid(0, 2), QStringList({"Connection ttyUSB1", kReady}));
                QCOMPARE(Items(PortList(dlg)).mid(4),
                         QStringList({"ttyUSB1 \u2014 FT232R USB UART", "Other device\u2026"}));
                QCOMPARE(PortList(dlg).itemData(4, Qt::ToolTipRole).toString().toStdString(),
                         "Manufacturer: FTDI\nSerial number: A1B2C3\nVendor:product: "
                         "0403:6001\nPath: " +
                             strPath + "\n" + kById);
                const QRect place = PortList(dlg).geometry(); // the one control that could move
                run.devices.devices.push_back(
                    {"ttyACM0", kLong.toStdString(), "", "", -1, -1, "/dev/ttyACM0", ""});
                QVERIFY(WaitUntil([&] { return PortList(dlg).count() == 7; }, 2000));
                QVERIFY(PortList(dlg).view()->minimumWidth() >
                        PortList(dlg).fontMetrics().horizontalAdvance(Items(PortList(dlg))[5]));
                QCOMPARE(PortList(dlg).geometry(), place);
                const int nLines = LogLines(dlg).size();
                run.devices.devices.clear(); // the adapter is held open: not gone yet
                dlg.OnTimer(kPortListTimerId);
                QVERIFY(dlg.Port().IsOpen());
                ports.RemoveBox(4);
                QVERIFY(WaitUntil([&] { return !dlg.Port().IsOpen(); }, 2000));
                WaitUntil([] { return false; }, 200); // time for a second report
                // Plugged in during the dialog, it went as soon as brltty would take it.
                const QString kAdapter = QStringLiteral("ttyUSB1 (FT232R USB UART)");
                QCOMPARE(LogLines(dlg).mid(nLines)
                             << Lamp(dlg) << QString::number(Items(PortList(dlg)).size()),
                         QStringList({Brltty("ttyACM0 (" + kLong + ")"),
                                      bPluggedIn ? kAdapter + " was unplugged" : Brltty(kAdapter),
                                      "red", "5"}));
            });
            QVERIFY(run.prompt.MessageTexts().empty());
            QCOMPARE(run.dlg.GetPort().strName, QStringLiteral("ttyUSB1"));
        }
    }

    // "Other device…" asks for a path, here stb-sim's pseudo-terminal, and a whole transfer goes
    // across it either way; giving none leaves the port as it was. A box silent 10 s after the
    // connection is named while polling goes on; its first byte stops that clock.
    void otherDeviceTransfersBothWays() {
        for (UINT nDirection : {DIRECTION_STB_TO_PC, DIRECTION_PC_TO_STB}) {
            const bool bUp = nDirection == DIRECTION_STB_TO_PC;
            CTestPorts ports;
            SBoxOptions options;
            options.image = RandomImage(2);
            CPtyBox* box = ports.AddBox(4, options);
            const QString path = QString::fromStdString(box->DevicePath());
            const QString name = path.mid(5); // without "/dev/"
            const std::vector<BYTE> image = RandomImage(3);
            SRun run;
            run.Run(
                nDirection, Com(1),
                [&](CTransferDlg& dlg) {
                    ChoosePort(dlg, 4);
                    QCOMPARE(PortList(dlg).currentIndex(), -1);
                    run.prompt.m_texts = {path};
                    ChoosePort(dlg, 4);
                    QCOMPARE(LogLines(dlg) << PortList(dlg).currentText(),
                             QStringList({"Connection " + name, kReady, name}));
                    QVERIFY(dlg.IsTimerActive(kNoAnswerTimerId));
                    if (bUp) {
                        dlg.OnTimer(kNoAnswerTimerId);
                        QCOMPARE(LogLines(dlg).back(), "No answer from the box on " + name +
                                                           ": check the cable, then switch the "
                                                           "box off and on");
                        QVERIFY(dlg.IsTimerActive(kPollTimerId));
                    }
                    QVERIFY(WaitUntil([&] { return dlg.IsTimerActive(kCloseTimerId); }));
                    QVERIFY(!dlg.IsTimerActive(kNoAnswerTimerId));
                },
                &image);
            std::vector<BYTE> received(run.dlg.GetImageLength());
            run.dlg.GetImageData(received.data());
            QVERIFY(bUp ? received == options.image : box->Box().ReceivedImage() == image);
            QCOMPARE(run.dlg.GetPort().strId, path);
        }
    }

    // The dialog's size and the lamps' size; Enter does not close the dialog, Close does.
    void controlsInPlaceEnterDoesNotClose() {
        CScriptedPrompt prompt;
        STransferSettings settings;
        CTransferDlg dlg(prompt, settings);
        const CDialogUnits units(dlg.font());
        QCOMPARE(dlg.size(), QSize(units.X(351), units.Y(245)));
        for (int nLamp : {IDC_LAMP_RED, IDC_LAMP_GREEN}) // a lamp takes its picture's size
            QCOMPARE(dlg.GetDlgItem(nLamp)->size(), QSize(20, 20));
        CTestPorts ports;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Return);
        QTest::keyClick(PortList(dlg).lineEdit(), Qt::Key_Enter);
        QVERIFY(dlg.isVisible());
        dlg.GetDlgItem<QPushButton>(IDC_TRANSFER_CLOSE)->click();
        QVERIFY(!dlg.isVisible());
    }
};

QTEST_MAIN(TransferDlgTest)
#include "transfer_dlg.moc"
