// Shared by the transfer dialog's tests: COM ports pointed at boxes on pseudo-terminals or at
// devices that do not exist, and the user's part in the dialog.
#pragma once

#include "pty_box.h"
#include "scripted_prompt.h"
#include "store_builders.h"
#include "transfer_dialog.h"
#include "transfer_dlg.h"

#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

// COM1 to COM4 for one test: each is a box on a pseudo-terminal or a device that cannot be
// opened, never a real serial port of the machine. Undone by the destructor.
class CTestPorts {
  public:
    CTestPorts() {
        for (UINT nPort = 1; nPort <= 4; ++nPort)
            SetMissing(nPort);
    }
    ~CTestPorts() {
        for (UINT nPort = 1; nPort <= 4; ++nPort)
            qunsetenv(Variable(nPort).constData());
    }
    Q_DISABLE_COPY(CTestPorts)

    // Puts a box behind COM<nPort>; null (and a failed test) when no pseudo-terminal is free.
    CPtyBox* AddBox(UINT nPort, SBoxOptions options = {}) {
        auto pBox = std::make_unique<CPtyBox>(std::move(options));
        std::string strError;
        if (!pBox->Open(strError)) {
            QTest::qFail(strError.c_str(), __FILE__, __LINE__);
            return nullptr;
        }
        qputenv(Variable(nPort).constData(), QByteArray::fromStdString(pBox->DevicePath()));
        m_boxes[nPort - 1] = std::move(pBox);
        return m_boxes[nPort - 1].get();
    }
    // The box goes away: its terminal closes under the PC's open port.
    void RemoveBox(UINT nPort) { m_boxes[nPort - 1].reset(); }
    void SetMissing(UINT nPort) {
        qputenv(Variable(nPort).constData(), "/nonexistent/ttyCOM" + QByteArray::number(nPort));
    }

  private:
    static QByteArray Variable(UINT nPort) { return "ORVANE_COM" + QByteArray::number(nPort); }
    std::unique_ptr<CPtyBox> m_boxes[4];
};

inline QStringList LogLines(const CTransferDlg& dlg) {
    const QListWidget* pLog = dlg.GetDlgItem<QListWidget>(IDC_LIST_LOG);
    QStringList lines;
    for (int i = 0; i < pLog->count(); ++i)
        lines << pLog->item(i)->text();
    return lines;
}

inline QComboBox& PortList(const CTransferDlg& dlg) {
    return *dlg.GetDlgItem<QComboBox>(IDC_COMBO_PORT);
}

// The user picks COM<nIndex + 1> from the list.
inline void ChoosePort(CTransferDlg& dlg, int nIndex) {
    QComboBox& combo = PortList(dlg);
    combo.setCurrentIndex(nIndex);
    emit combo.activated(nIndex);
}

// The lamps lit, "green" or "red" when all is well; a lamp without its picture is "blank".
inline QString Lamp(const CTransferDlg& dlg) {
    QString lit;
    for (const auto& [nId, name] : {std::pair{IDC_LAMP_GREEN, "green"}, {IDC_LAMP_RED, "red"}})
        if (const auto* lamp = dlg.GetDlgItem<QLabel>(nId); !lamp->isHidden())
            lit += QLatin1String(lamp->pixmap().isNull() ? "blank " : "") + name;
    return lit;
}

inline int BarValue(const CTransferDlg& dlg, int nId) {
    return dlg.GetDlgItem<QProgressBar>(nId)->value();
}

// A whole transfer takes well under this; a box that stops answering fails the test instead of
// hanging it.
inline constexpr int kTransferWaitMs = 20000;

// Runs the event loop until `done` holds or the time is up; returns `done()`. Unlike
// QTest::qWaitFor it never sleeps between events, so the many round trips of a transfer are not
// each held up by a pause.
template <class Predicate> bool WaitUntil(Predicate done, int nTimeoutMs = kTransferWaitMs) {
    QEventLoop loop;
    QTimer check, deadline;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    check.start(1);
    deadline.setSingleShot(true);
    deadline.start(nTimeoutMs);
    if (!done())
        loop.exec();
    return done();
}

// Message boxes that stay open a while with the event loop running, as a real box does while the
// user reads it: the port and the dialog's timers go on underneath. A box opened inside another
// one returns at once, so a fault that opens box after box fails a test instead of hanging it.
class CBusyPrompt : public CScriptedPrompt {
  protected:
    int ShowMessageBox(const QString& text, const QString& caption, unsigned nType) override {
        const int nAnswer = CScriptedPrompt::ShowMessageBox(text, caption, nType);
        if (!m_bOpen) {
            m_bOpen = true;
            WaitUntil([] { return false; }, kBoxOpenMs);
            m_bOpen = false;
        }
        return nAnswer;
    }

  private:
    static constexpr int kBoxOpenMs = 300; // three polls of the idle dialog
    bool m_bOpen = false;
};
