// The transfer dialog: connecting when it opens, choosing ports (good, missing, during and after
// a transfer), the port list's edit field, Enter, the direction's captions and bars, the timers,
// and a whole transfer each way against the box on a pseudo-terminal.
#include "controls.h"
#include "prompt.h"
#include "transfer_test_util.h"

#include <QLineEdit>
#include <QPushButton>

#include <vector>

namespace {

// Runs the dialog with `script` as the user's part; returns what the prompt recorded.
template <class Script>
CScriptedPrompt RunDialog(UINT nDirection, BYTE nPortIndex, Script script,
                          const std::vector<BYTE>* pImage = nullptr) {
    CScriptedPrompt prompt;
    CTransferDlg dlg(prompt);
    dlg.SetDirection(nDirection);
    dlg.SetPortIndex(nPortIndex);
    if (pImage)
        dlg.SetImageData(pImage->data(), static_cast<UINT>(pImage->size()));
    prompt.m_modalScripts.push_back([&](QDialog&) {
        script(dlg);
        return int(QDialog::Rejected);
    });
    dlg.DoModal();
    // Closed: no port, no timer.
    if (dlg.Port().IsOpen() || dlg.IsTimerActive(kPollTimerId) || dlg.IsTimerActive(kCloseTimerId))
        QTest::qFail("the closed dialog kept its port or a timer", __FILE__, __LINE__);
    return prompt;
}

} // namespace

class TransferDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { TransferSettings() = STransferSettings(); }

    void opensOnTheRememberedPort_data() {
        QTest::addColumn<UINT>("direction");
        QTest::addColumn<int>("portIndex");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("modeLine");
        QTest::addColumn<QString>("barLabel");
        QTest::addColumn<bool>("flashShown");
        QTest::newRow("STB to PC on COM1")
            << UINT(DIRECTION_STB_TO_PC) << 0 << "Data Transfer STB to PC"
            << "Data Transfer mode : STB ==> PC"
            << "Upload" << false;
        QTest::newRow("PC to STB on COM3")
            << UINT(DIRECTION_PC_TO_STB) << 2 << "Data Transfer PC to STB"
            << "Data Transfer mode : PC ==> STB"
            << "Download" << true;
    }
    void opensOnTheRememberedPort() {
        QFETCH(UINT, direction);
        QFETCH(int, portIndex);
        QFETCH(QString, caption);
        QFETCH(QString, modeLine);
        QFETCH(QString, barLabel);
        QFETCH(bool, flashShown);
        CTestPorts ports;
        ports.AddBox(UINT(portIndex) + 1);
        const std::vector<BYTE> image = RandomImage(1);
        RunDialog(
            direction, BYTE(portIndex),
            [&](CTransferDlg& dlg) {
                const QString port = QStringLiteral("COM%1").arg(portIndex + 1);
                QCOMPARE(LogLines(dlg),
                         QStringList({"Connection " + port, "Ready data transfer", modeLine}));
                QCOMPARE(dlg.windowTitle(), caption);
                QCOMPARE(PortList(dlg).currentText(), port);
                QVERIFY(GreenLampLit(dlg));
                QVERIFY(dlg.IsTimerActive(kPollTimerId));
                QCOMPARE(dlg.GetDlgItem<QLabel>(IDC_STATIC_TRANSFER)->text(), barLabel);
                QCOMPARE(!dlg.GetDlgItem(IDC_PROGRESS_FLASH)->isHidden(), flashShown);
                QCOMPARE(!dlg.GetDlgItem(IDC_STATIC_FLASH)->isHidden(), flashShown);
                QCOMPARE(dlg.GetDlgItem<QProgressBar>(IDC_PROGRESS_TRANSFER)->maximum(), 204);
                if (flashShown)
                    QCOMPARE(dlg.GetDlgItem<QProgressBar>(IDC_PROGRESS_FLASH)->maximum(), 51);
                QCOMPARE(dlg.GetPortIndex(), BYTE(portIndex));
            },
            &image);
    }

    void everyControlSitsAtItsTemplatePlace() {
        CScriptedPrompt prompt;
        CTransferDlg dlg(prompt);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Data Transfer"));
        const CDialogUnits units(dlg.font());
        for (const STransferItem& item : transfer_dialog::kItems) {
            QWidget* control = dlg.GetDlgItem(item.nId);
            QVERIFY2(control, qPrintable(QString::number(item.nId)));
            QCOMPARE(control->objectName(), QString::number(item.nId));
            const QRect rect = units.MapRect(item.x, item.y, item.cx, item.cy);
            QCOMPARE(control->pos(), rect.topLeft());
            if (item.kind != ETransferItemKind::PortList && item.kind != ETransferItemKind::Lamp)
                QCOMPARE(control->size(), rect.size());
        }
        QCOMPARE(PortList(dlg).count(), 4);
        QCOMPARE(PortList(dlg).itemText(3), QStringLiteral("COM4"));
        QCOMPARE(dlg.GetDlgItem<QLabel>(IDC_LAMP_RED)->pixmap().size(), QSize(20, 20));
        QCOMPARE(dlg.GetDlgItem<QLabel>(IDC_LAMP_GREEN)->pixmap().size(), QSize(20, 20));
        QCOMPARE(dlg.size(), QSize(units.X(351), units.Y(245)));
    }

    void noPortAtAllIsReported() {
        CTestPorts ports;
        CScriptedPrompt prompt = RunDialog(DIRECTION_STB_TO_PC, 0, [](CTransferDlg& dlg) {
            QCOMPARE(LogLines(dlg), QStringList({"Connection Error!!!, Check the serial port.",
                                                 "Data Transfer mode : STB ==> PC"}));
            QVERIFY(RedLampLit(dlg));
            QVERIFY(!dlg.IsTimerActive(kPollTimerId));
            // COM1 never opened: there is nothing to fall back on.
            ChoosePort(dlg, 2);
            QCOMPARE(LogLines(dlg), QStringList({"Connection Error!!!, Check the serial port."}));
            QVERIFY(RedLampLit(dlg));
            QCOMPARE(dlg.GetPortIndex(), BYTE(0));
        });
        QCOMPARE(prompt.MessageTexts().size(), std::size_t(0)); // the log tells, no box
    }

    void aMissingPortReconnectsThePreviousOne() {
        CTestPorts ports;
        ports.AddBox(2);
        BYTE nRemembered = 0;
        CScriptedPrompt prompt;
        {
            CTransferDlg dlg(prompt);
            dlg.SetDirection(DIRECTION_STB_TO_PC);
            dlg.SetPortIndex(1);
            prompt.m_modalScripts.push_back([&](QDialog&) {
                ChoosePort(dlg, 2);
                [&] {
                    QCOMPARE(LogLines(dlg),
                             QStringList({"Connection COM3 Error!!!", "Connection COM2",
                                          "Ready data transfer"}));
                    QCOMPARE(PortList(dlg).currentIndex(), 1);
                    QVERIFY(GreenLampLit(dlg));
                    QCOMPARE(dlg.Port().GetPortNumber(), UINT(2));
                }();
                return int(QDialog::Rejected);
            });
            dlg.DoModal();
            nRemembered = dlg.GetPortIndex();
        }
        QCOMPARE(nRemembered, BYTE(1));
    }

    void anotherGoodPortIsSwitchedTo() {
        CTestPorts ports;
        ports.AddBox(1);
        ports.AddBox(4);
        RunDialog(DIRECTION_PC_TO_STB, 0, [](CTransferDlg& dlg) {
            ChoosePort(dlg, 3);
            QCOMPARE(LogLines(dlg),
                     QStringList({"Disconnection COM1", "Connection COM4", "Ready data transfer"}));
            QCOMPARE(dlg.GetPortIndex(), BYTE(3));
            QVERIFY(GreenLampLit(dlg));
        });
    }

    void aPortThatGoesAwayIsReportedInABox() {
        CTestPorts ports;
        ports.AddBox(3);
        CScriptedPrompt prompt = RunDialog(DIRECTION_STB_TO_PC, 2, [&](CTransferDlg& dlg) {
            QVERIFY(GreenLampLit(dlg));
            ports.RemoveBox(3);
            QVERIFY(WaitUntil([&] { return RedLampLit(dlg); }, 2000));
            QVERIFY(!dlg.Port().IsOpen());
        });
        QCOMPARE(prompt.m_shown.size(), std::size_t(2)); // the dialog, then the report
        const CScriptedPrompt::SShown& report = prompt.m_shown[1];
        QCOMPARE(report.kind, CScriptedPrompt::EKind::MessageBox);
        QCOMPARE(report.caption, QStringLiteral("Application Error"));
        QCOMPARE(report.nType, unsigned(MB_OK | MB_ICONSTOP));
        QVERIFY(report.text.startsWith(
            QStringLiteral("WARNING:  ReadFile() Failed with the following error: \n")));
        QVERIFY(report.text.endsWith(QStringLiteral("\nPort: 3\n")));
    }

    void typingIntoThePortListIsUndone() {
        CTestPorts ports;
        RunDialog(DIRECTION_STB_TO_PC, 1, [](CTransferDlg& dlg) {
            QLineEdit* edit = PortList(dlg).lineEdit();
            QTest::keyClicks(edit, QStringLiteral("X"));
            QCOMPARE(edit->text(), QStringLiteral("COM2"));
            QTest::keyClick(edit, Qt::Key_Backspace);
            QCOMPARE(edit->text(), QStringLiteral("COM2"));
            QCOMPARE(PortList(dlg).count(), 4);
        });
    }

    void enterDoesNotCloseEscapeDoes() {
        CTestPorts ports;
        CScriptedPrompt prompt;
        CTransferDlg dlg(prompt);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Return);
        QTest::keyClick(PortList(dlg).lineEdit(), Qt::Key_Enter);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.show();
        dlg.GetDlgItem<QPushButton>(IDC_TRANSFER_CLOSE)->click();
        QVERIFY(!dlg.isVisible());
    }

    // The box sends its image; the port list is locked from the first block on, and stays
    // locked once the whole image is in.
    void wholeImageFromTheBox() {
        CTestPorts ports;
        SBoxOptions options;
        options.image = RandomImage(3);
        CPtyBox* box = ports.AddBox(1, options);
        ports.AddBox(2);
        QVERIFY(box);
        CScriptedPrompt prompt;
        CTransferDlg dlg(prompt);
        dlg.SetDirection(DIRECTION_STB_TO_PC);
        prompt.m_modalScripts.push_back([&](QDialog&) {
            [&] {
                QVERIFY(WaitUntil([&] { return dlg.Protocol().GetBlockIndex() > 0; }));
                const QStringList before = LogLines(dlg);
                ChoosePort(dlg, 1); // mid-transfer: nothing at all happens
                QCOMPARE(LogLines(dlg), before);
                QCOMPARE(dlg.Port().GetPortNumber(), UINT(1));
                QCOMPARE(PortList(dlg).currentIndex(), 0); // the list shows the port in use
                QVERIFY(WaitUntil([&] { return dlg.IsComplete(); }));
                QVERIFY(RedLampLit(dlg));
                QVERIFY(dlg.IsTimerActive(kCloseTimerId));
                QCOMPARE(BarValue(dlg, IDC_PROGRESS_TRANSFER), 204);
                const QStringList done = LogLines(dlg);
                QVERIFY(done.contains(QStringLiteral("Start data transfer")));
                QCOMPARE(done.back(), QStringLiteral("Ready data transfer"));
                ChoosePort(dlg, 1); // a received image is never thrown away by a reconnect
                QCOMPARE(LogLines(dlg), done);
                QCOMPARE(PortList(dlg).currentIndex(), 0);
                // The close timer shuts the port.
                dlg.OnTimer(kCloseTimerId);
                QVERIFY(!dlg.Port().IsOpen());
                QVERIFY(!dlg.IsTimerActive(kCloseTimerId));
            }();
            return int(QDialog::Rejected);
        });
        dlg.DoModal();
        QVERIFY(!QTest::currentTestFailed());
        QVERIFY(dlg.IsComplete());
        std::vector<BYTE> received(dlg.GetImageLength());
        QCOMPARE(dlg.GetImageData(received.data()), UINT(options.image.size()));
        QVERIFY(received == options.image);
    }

    // The dialog sends an image that the box flashes; afterwards the port can change again.
    void wholeImageToTheBox() {
        CTestPorts ports;
        CPtyBox* box = ports.AddBox(1);
        QVERIFY(box);
        const std::vector<BYTE> image = RandomImage(4);
        RunDialog(
            DIRECTION_PC_TO_STB, 0,
            [&](CTransferDlg& dlg) {
                QVERIFY(WaitUntil([&] { return dlg.IsTimerActive(kCloseTimerId); }));
                QVERIFY(box->Box().IsFinished());
                QCOMPARE(BarValue(dlg, IDC_PROGRESS_TRANSFER), 204);
                QCOMPARE(BarValue(dlg, IDC_PROGRESS_FLASH), 51);
                QCOMPARE(dlg.Protocol().GetFlashCounter(), UINT(51));
                QVERIFY(RedLampLit(dlg));
                const QStringList log = LogLines(dlg);
                QVERIFY(log.contains(QStringLiteral("DownLoad Success")));
                QVERIFY(log.contains(QStringLiteral("DownLoad CRC Check OK")));
                ChoosePort(dlg, 0);
                QCOMPARE(LogLines(dlg), QStringList({"Disconnection COM1", "Connection COM1",
                                                     "Ready data transfer"}));
                QVERIFY(GreenLampLit(dlg));
            },
            &image);
        QVERIFY(box->Box().ReceivedImage() == image);
        QVERIFY(box->Box().Errors().empty());
    }
};

QTEST_MAIN(TransferDlgTest)
#include "transfer_dlg.moc"
