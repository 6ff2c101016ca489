// The transfer dialog: connecting when it opens, choosing ports (good or missing), the port
// list's edit field, Enter, the direction's captions and bars, the timers. Whole transfers, and
// the port locked during them, are watched from the editor's Transfer menu (editor_transfer).
#include "controls.h"
#include "denied_device.h"
#include "scripted_prompt.h"
#include "transfer_test_util.h"

#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <vector>

namespace {

// The dialog run modally with `script` as the user's part; closed again when Run returns.
struct SRun {
    CScriptedPrompt prompt;
    STransferSettings settings;
    CTransferDlg dlg{prompt, settings};

    template <class Script>
    void Run(UINT nDirection, BYTE nPortIndex, Script script,
             const std::vector<BYTE>* pImage = nullptr) {
        dlg.SetDirection(nDirection);
        dlg.SetPortIndex(nPortIndex);
        if (pImage)
            dlg.SetImageData(pImage->data(), static_cast<UINT>(pImage->size()));
        prompt.m_modalScripts.push_back([&](QDialog&) {
            script(dlg);
            return int(QDialog::Rejected);
        });
        dlg.DoModal();
        if (dlg.Port().IsOpen() || dlg.IsTimerActive(kPollTimerId) ||
            dlg.IsTimerActive(kCloseTimerId))
            QTest::qFail("the closed dialog kept its port or a timer", __FILE__, __LINE__);
    }
};

} // namespace

class TransferDlgTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheRememberedPort() {
        const struct {
            UINT nDirection;
            int nPort;
            bool bBox;
        } cases[] = {{DIRECTION_STB_TO_PC, 0, true},
                     {DIRECTION_PC_TO_STB, 2, true},
                     {DIRECTION_STB_TO_PC, 0, false}};
        const std::vector<BYTE> image = RandomImage(1);
        for (const auto& c : cases) {
            CTestPorts ports;
            if (c.bBox)
                ports.AddBox(UINT(c.nPort) + 1);
            const bool bDown = c.nDirection == DIRECTION_PC_TO_STB;
            const QString port = QStringLiteral("COM%1").arg(c.nPort + 1);
            const QString mode = bDown ? QStringLiteral("Data Transfer mode : PC ==> STB")
                                       : QStringLiteral("Data Transfer mode : STB ==> PC");
            const QStringList log =
                c.bBox ? QStringList{"Connection " + port, "Ready data transfer", mode}
                       : QStringList{"Connection Error!!!, Check the serial port.", mode};
            SRun run;
            run.Run(
                c.nDirection, BYTE(c.nPort),
                [&](CTransferDlg& dlg) {
                    QCOMPARE(LogLines(dlg), log);
                    QCOMPARE(dlg.windowTitle(), bDown ? QStringLiteral("Data Transfer PC to STB")
                                                      : QStringLiteral("Data Transfer STB to PC"));
                    QCOMPARE(PortList(dlg).currentText(), port);
                    QCOMPARE(PortList(dlg).itemText(3), QStringLiteral("COM4"));
                    QVERIFY(c.bBox ? GreenLampLit(dlg) : RedLampLit(dlg));
                    QCOMPARE(dlg.IsTimerActive(kPollTimerId), c.bBox);
                    QCOMPARE(dlg.GetDlgItem<QLabel>(IDC_STATIC_TRANSFER)->text(),
                             bDown ? QStringLiteral("Download") : QStringLiteral("Upload"));
                    QCOMPARE(!dlg.GetDlgItem(IDC_PROGRESS_FLASH)->isHidden(), bDown);
                    QCOMPARE(!dlg.GetDlgItem(IDC_STATIC_FLASH)->isHidden(), bDown);
                    QCOMPARE(dlg.GetDlgItem<QProgressBar>(IDC_PROGRESS_TRANSFER)->maximum(), 204);
                    if (bDown)
                        QCOMPARE(dlg.GetDlgItem<QProgressBar>(IDC_PROGRESS_FLASH)->maximum(), 51);
                    QCOMPARE(dlg.GetPortIndex(), BYTE(c.nPort));
                    // Typing into the port list is undone.
                    QLineEdit* edit = PortList(dlg).lineEdit();
                    QTest::keyClicks(edit, QStringLiteral("X"));
                    QCOMPARE(edit->text(), port);
                    QTest::keyClick(edit, Qt::Key_Backspace);
                    QCOMPARE(edit->text(), port);
                    QCOMPARE(PortList(dlg).count(), 4);
                },
                &image);
            QVERIFY(run.prompt.MessageTexts().empty()); // the log tells, no box
        }
    }

    // A port that cannot be opened falls back to the one in use, if any; one that this user may
    // not use also names the fix.
    void choosingAPort() {
        const UINT kUp = DIRECTION_STB_TO_PC, kDown = DIRECTION_PC_TO_STB;
        const QString kReady = QStringLiteral("Ready data transfer");
        const QString kNoPort = QStringLiteral("Connection Error!!!, Check the serial port.");
        const struct {
            UINT nDirection;
            int nFrom, nTo, nKept;
            QList<int> boxes;
            QStringList log;
            bool bDenied = false; // the port chosen is one this user may not use
        } cases[] = {{kUp, 0, 2, 0, {}, {kNoPort}},
                     {kUp, 1, 2, 1, {2}, {"Connection COM3 Error!!!", "Connection COM2", kReady}},
                     {kDown, 0, 3, 3, {1, 4}, {"Disconnection COM1", "Connection COM4", kReady}},
                     {kUp, 0, 2, 0, {}, {kNoPort, kSerialAccessHint}, true}};
        for (const auto& c : cases) {
            CTestPorts ports;
            for (int nPort : c.boxes)
                ports.AddBox(UINT(nPort));
            std::optional<CDeniedDevice> denied;
            if (c.bDenied) {
                denied.emplace();
                qputenv("ORVANE_COM" + QByteArray::number(c.nTo + 1),
                        QByteArray::fromStdString(denied->Path()));
            }
            const bool bOpen = !c.boxes.isEmpty();
            SRun run;
            run.Run(c.nDirection, BYTE(c.nFrom), [&](CTransferDlg& dlg) {
                ChoosePort(dlg, c.nTo);
                QCOMPARE(LogLines(dlg), c.log);
                QVERIFY(bOpen ? GreenLampLit(dlg) : RedLampLit(dlg));
                QCOMPARE(dlg.GetPortIndex(), BYTE(c.nKept));
                if (bOpen) {
                    QCOMPARE(PortList(dlg).currentIndex(), c.nKept);
                    QCOMPARE(dlg.Port().GetPortNumber(), UINT(c.nKept + 1));
                }
            });
            QCOMPARE(run.dlg.GetPortIndex(), BYTE(c.nKept));
            QVERIFY(run.prompt.MessageTexts().empty());
        }
    }

    void everyControlSitsAtItsTemplatePlace() {
        CScriptedPrompt prompt;
        STransferSettings settings;
        CTransferDlg dlg(prompt, settings);
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
        for (int nLamp : {IDC_LAMP_RED, IDC_LAMP_GREEN})
            QCOMPARE(dlg.GetDlgItem<QLabel>(nLamp)->pixmap().size(), QSize(20, 20));
        QCOMPARE(dlg.size(), QSize(units.X(351), units.Y(245)));
    }

    void enterDoesNotCloseEscapeDoes() {
        CTestPorts ports;
        CScriptedPrompt prompt;
        STransferSettings settings;
        CTransferDlg dlg(prompt, settings);
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
};

QTEST_MAIN(TransferDlgTest)
#include "transfer_dlg.moc"
