// The transfer dialog: connecting when it opens, choosing ports (good or missing), the port
// list's edit field, Enter, the direction's captions and bars, the timers. Whole transfers, and
// the port locked during them, are watched from the editor's Transfer menu (editor_transfer).
#include "controls.h"
#include "transfer_test_util.h"

#include <QLineEdit>
#include <QPushButton>

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
         << QStringLiteral("COM%1").arg(dlg.GetPortIndex() + 1)
         << (dlg.Port().IsOpen() ? QStringLiteral("open COM%1").arg(dlg.Port().GetPortNumber())
                                 : QStringLiteral("closed"))
         << PortList(dlg).currentText();
    return face.join(' ');
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
        const QString kReady = QStringLiteral("Ready data transfer");
        const QString kNoPort = QStringLiteral("Connection Error!!!, Check the serial port.");
        const QString kUpMode = QStringLiteral("Data Transfer mode : STB ==> PC");
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
            {kUp, 0, {}, -1, {kNoPort, kUpMode}, 0},
            {kUp, 0, {}, 2, {kNoPort}, 0},
            {kUp, 1, {2}, 2, {"Connection COM3 Error!!!", "Connection COM2", kReady}, 1},
            {kDown, 0, {1, 4}, 3, {"Disconnection COM1", "Connection COM4", kReady}, 3}};
        const std::vector<BYTE> image = RandomImage(1);
        for (const auto& c : cases) {
            CTestPorts ports;
            for (int nPort : c.boxes)
                ports.AddBox(UINT(nPort));
            const bool bOpen = !c.boxes.isEmpty(), bDown = c.nDirection == kDown;
            SRun run;
            run.Run(
                c.nDirection, BYTE(c.nFrom),
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
                    // Typing into the port list is undone: only the four ports can be chosen.
                    QLineEdit* edit = PortList(dlg).lineEdit();
                    QTest::keyClicks(edit, QStringLiteral("X"));
                    QTest::keyClick(edit, Qt::Key_Backspace);
                    QCOMPARE(edit->text(), shown);
                    QCOMPARE(PortList(dlg).count(), 4);
                },
                &image);
            QCOMPARE(run.dlg.GetPortIndex(), BYTE(c.nKept));
            QVERIFY(run.prompt.MessageTexts().empty());
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
