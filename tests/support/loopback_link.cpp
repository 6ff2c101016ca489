#include "loopback_link.h"

#include <cstring>

CLoopbackLink::CLoopbackLink(UINT nDirection, SBoxOptions options, STransferSettings& settings)
    : m_box(std::move(options)), m_engine(*this, *this, settings) {
    m_engine.SetDirection(nDirection);
    m_barPos = m_barRange = m_barPeak = {{static_cast<int>(ETransferBar::Transfer), 0},
                                         {static_cast<int>(ETransferBar::Flash), 0}};
}

void CLoopbackLink::Write(const BYTE* pData, UINT nLength) {
    if (!m_bPortOpen || pData == nullptr)
        return;
    if (nLength == 0)
        nLength = static_cast<UINT>(std::strlen(reinterpret_cast<const char*>(pData)));
    if (nLength > 0)
        m_writes.emplace_back(reinterpret_cast<const char*>(pData), nLength);
}

void CLoopbackLink::WriteString(const char* pszText) {
    Write(reinterpret_cast<const BYTE*>(pszText), 0);
}

void CLoopbackLink::WriteByte(BYTE bValue) {
    Write(&bValue, 1);
}

void CLoopbackLink::SetBarRange(ETransferBar bar, UINT nUpper) {
    m_barRange[static_cast<int>(bar)] = nUpper;
}

void CLoopbackLink::SetBarPos(ETransferBar bar, UINT nPos) {
    m_barPos[static_cast<int>(bar)] = nPos;
    UINT& nPeak = m_barPeak[static_cast<int>(bar)];
    nPeak = std::max(nPeak, nPos);
}

void CLoopbackLink::Pump() {
    bool bMoved = true;
    while (bMoved && m_bPortOpen) {
        bMoved = false;
        for (BYTE bValue : m_box.TakeOutput()) {
            m_engine.OnSerialByte(bValue, 1);
            bMoved = true;
        }
        for (; m_nDelivered < m_writes.size(); ++m_nDelivered) {
            const std::string& strWrite = m_writes[m_nDelivered];
            m_box.Receive(reinterpret_cast<const BYTE*>(strWrite.data()), strWrite.size());
            bMoved = true;
        }
    }
}

bool CLoopbackLink::Run(UINT nMaxTicks) {
    m_engine.SetState(ETransferState::Ready);
    for (UINT nTick = 0; nTick < nMaxTicks && m_bPortOpen; ++nTick) {
        Pump();
        if (!m_bPortOpen)
            break;
        if (TimerRunning(kCloseTimerId))
            m_engine.OnTimer(kCloseTimerId);
        else if (TimerRunning(kPollTimerId))
            m_engine.OnTimer(kPollTimerId);
        else
            break;
    }
    return !m_bPortOpen;
}
