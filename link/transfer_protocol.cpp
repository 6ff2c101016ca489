#include "transfer_protocol.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>

namespace {
constexpr UINT kClearedOnStateChange = 512;
constexpr BYTE kCarriageReturn = 0x0D;

bool IsControl(BYTE bValue) {
    return bValue < 0x20;
}
} // namespace

BYTE ByteSum(const BYTE* pData, UINT nLength) {
    return static_cast<BYTE>(std::accumulate(pData, pData + nLength, 0U));
}

CTransferProtocol::CTransferProtocol(ISerialWriter& port, ITransferView& view,
                                     STransferSettings& settings)
    : m_port(port), m_view(view), m_settings(settings),
      m_pImage(std::make_unique<BYTE[]>(kTransferBufferSize)),
      m_pReceive(std::make_unique<BYTE[]>(kReceiveBufferSize)) {
    m_nBlockCount = UsableBlockCount();
}

// The image buffer holds 208 blocks: a larger count is never taken, whatever the settings say.
UINT CTransferProtocol::UsableBlockCount() const {
    const UINT nCount = m_settings.nBlockCount;
    return (nCount >= 1 && nCount <= kMaxTransferBlocks) ? nCount : m_nBlockCount;
}

BOOL CTransferProtocol::SetImageData(const BYTE* pData, UINT nLength) {
    if (pData == nullptr || nLength != m_nBlockSize * m_nBlockCount) {
        m_nImageLength = 0;
        return FALSE;
    }
    std::memcpy(m_pImage.get(), pData, nLength);
    m_nImageLength = nLength;
    return TRUE;
}

UINT CTransferProtocol::GetImageData(BYTE* pOut) const {
    if (pOut == nullptr || m_nImageLength == 0)
        return 0;
    std::memcpy(pOut, m_pImage.get(), m_nImageLength);
    return m_nImageLength;
}

// ---- received bytes -----------------------------------------------------------------------

void CTransferProtocol::OnSerialByte(UINT nByte, UINT nPort) {
    if (nPort < 1 || nPort > 4)
        return;
    const BYTE bValue = static_cast<BYTE>(nByte);
    if (m_bRaw)
        StoreRawByte(bValue);
    else
        AssembleLine(bValue);
    RunStateHandler();
}

void CTransferProtocol::StoreRawByte(BYTE bValue) {
    if (m_settings.nSkipCount > 0) {
        --m_settings.nSkipCount;
        return;
    }
    m_pReceive[m_nReceiveCount] = bValue;
    m_nReceiveCount = (m_nReceiveCount + 1) & (kReceiveBufferSize - 1);
}

void CTransferProtocol::AssembleLine(BYTE bValue) {
    if (!IsControl(bValue)) {
        m_pReceive[m_nReceiveCount] = bValue;
        m_nReceiveCount = (m_nReceiveCount + 1) & (kReceiveBufferSize - 1);
        return;
    }
    // Line bytes are all 0x20 or above, so blanks are the only white space to trim.
    const char* pBegin = reinterpret_cast<const char*>(m_pReceive.get());
    std::string_view line(pBegin, m_nReceiveCount);
    const size_t nFirst = line.find_first_not_of(' ');
    line = nFirst == std::string_view::npos
               ? std::string_view{}
               : line.substr(nFirst, line.find_last_not_of(' ') + 1 - nFirst);
    m_strLine.assign(line);
    m_nReceiveCount = 0;
}

void CTransferProtocol::RunStateHandler() {
    switch (m_nState) {
    case ETransferState::Ready:
        return OnReady();
    case ETransferState::FlashInfo:
        return OnFlashInfo();
    case ETransferState::RequestMode:
        return OnRequestMode();
    case ETransferState::WaitVersion:
        return OnWaitVersion();
    case ETransferState::SendImage:
        return OnSendImage();
    case ETransferState::ReceiveImage:
        return m_bRaw ? OnReceiveBlock() : OnReceiveLine();
    }
}

bool CTransferProtocol::LineStarts(std::string_view prefix) const {
    return std::string_view(m_strLine).starts_with(prefix);
}

bool CTransferProtocol::IsNoAcknowledge() const {
    return m_strLine == kNoAcknowledge;
}

// ---- states ---------------------------------------------------------------------------------

ETransferState CTransferProtocol::SetState(ETransferState nState) {
    const ETransferState nPrevious = m_nState;
    if (nPrevious == ETransferState::Ready)
        m_view.KillTimer(kPollTimerId);
    m_nState = nState;
    EnterState(nState);
    std::memset(m_pReceive.get(), 0, kClearedOnStateChange);
    m_nReceiveCount = 0;
    return nPrevious;
}

void CTransferProtocol::EnterState(ETransferState nState) {
    switch (nState) {
    case ETransferState::Ready:
        m_view.StartTimer(kPollTimerId, kPollTimerMs);
        m_bRaw = FALSE;
        m_view.AddLog("Ready data transfer");
        return;
    case ETransferState::FlashInfo:
        m_bRaw = TRUE;
        return;
    case ETransferState::RequestMode:
        m_port.WriteString(m_nDirection == DIRECTION_PC_TO_STB ? "PC___" : "ZDATA");
        m_bRaw = FALSE;
        return;
    case ETransferState::WaitVersion:
        m_bRaw = FALSE;
        return;
    case ETransferState::SendImage:
    case ETransferState::ReceiveImage:
        m_port.WriteString("ack");
        return;
    }
}

void CTransferProtocol::OnReady() {
    if (LineStarts("REQUEST_")) {
        RecordVersion();
        return;
    }
    const bool bVersionKnown = m_strVersion.starts_with('V');
    if (bVersionKnown && LineStarts("BL_FLASH_INFO")) {
        SetState(ETransferState::FlashInfo);
        m_strLine.clear();
        m_nReceiveCount = 0;
    } else if (bVersionKnown && LineStarts("BL_FLASH_END")) {
        SetState(ETransferState::RequestMode);
        m_view.AddLog("Request mode");
        m_strLine.clear();
        m_nReceiveCount = 0;
    } else if (IsNoAcknowledge()) {
        SetState(ETransferState::Ready);
    }
}

// Boxes from V107 on number the blocks they send from 4; newer ones from 1028.
void CTransferProtocol::RecordVersion() {
    m_strVersion = m_strLine.substr(8, 4);
    m_strLine.clear();
    if (!m_strVersion.starts_with('V'))
        return;
    auto at = [this](size_t i) { return i < m_strVersion.size() ? m_strVersion[i] : '\0'; };
    if (m_strVersion == "V107") {
        m_settings.strReceiveStartBlock = "0004";
        m_settings.nBlockNumberBase = 4;
    } else if ((at(2) >= '1' && at(3) >= '1' && at(3) <= '9') || (at(2) >= '2' && at(2) <= '9')) {
        m_settings.strReceiveStartBlock = "1028";
        m_settings.nBlockNumberBase = 1028;
    }
}

void CTransferProtocol::OnFlashInfo() {
    if (m_nReceiveCount < kFlashInfoSize)
        return;
    m_nReceiveCount = 0;
    if (m_strVersion.starts_with('V')) {
        const BYTE bKind = m_pReceive[3] & 0x0F;
        if (bKind == 5 || bKind == 6) {
            m_settings.nBlockCount = kDefaultBlockCount;
            m_settings.strBlockCount = "0204";
        }
        InitProgress();
    }
    SetState(ETransferState::Ready);
}

void CTransferProtocol::OnRequestMode() {
    if (LineStarts("ACK"))
        SetState(ETransferState::WaitVersion);
    else if (IsNoAcknowledge())
        SetState(ETransferState::Ready);
}

void CTransferProtocol::OnWaitVersion() {
    if (LineStarts("REQUEST_VERSION:")) {
        SetState(m_nDirection == DIRECTION_PC_TO_STB ? ETransferState::SendImage
                                                     : ETransferState::ReceiveImage);
        m_view.AddLog("Start data transfer");
    } else if (IsNoAcknowledge()) {
        SetState(ETransferState::Ready);
    }
}

// ---- PC to STB ------------------------------------------------------------------------------

void CTransferProtocol::OnSendImage() {
    // The box's commands up to "DOWN_SUCCESS" start from an empty receive buffer.
    static constexpr std::string_view kResettingCommands[] = {
        "REQUEST_START_BLOCK", "REQUEST_BLOCK", "REQUEST_DOWNLOAD", "REQUEST_1024DOWN",
        "1024DOWN_SUCCESS",    "1024DOWN_ERR",  "REQUEST_TOTALCRC", "DOWN_SUCCESS"};
    if (std::any_of(std::begin(kResettingCommands), std::end(kResettingCommands),
                    [this](std::string_view command) { return LineStarts(command); }))
        m_nReceiveCount = 0;

    if (LineStarts("REQUEST_START_BLOCK")) {
        m_port.WriteString(m_settings.strSendStartBlock.c_str());
    } else if (LineStarts("REQUEST_BLOCK")) {
        m_port.WriteString(m_settings.strBlockCount.c_str());
    } else if (LineStarts("REQUEST_DOWNLOAD")) {
        m_nBlockIndex = 0;
        m_bTotalChecksum = 0;
    } else if (LineStarts("REQUEST_1024DOWN")) {
        SendBlock();
    } else if (LineStarts("1024DOWN_SUCCESS")) {
        m_bTotalChecksum += m_bBlockChecksum;
        ++m_nBlockIndex;
        m_view.SetBarPos(ETransferBar::Transfer, m_nBlockIndex);
    } else if (LineStarts("1024DOWN_ERR")) {
        m_view.AddLog(std::to_string(m_nBlockIndex) + " Block down Error ----- Retry");
    } else if (LineStarts("REQUEST_TOTALCRC")) {
        m_port.WriteByte(m_bTotalChecksum);
    } else if (LineStarts("DOWN_SUCCESS")) {
        m_view.AddLog("CRC OK");
        m_view.AddLog("DownLoad Success");
        m_view.SetBarPos(ETransferBar::Transfer, m_nBlockCount);
    } else if (LineStarts("RAMCRC_SUCCESS")) {
        m_view.AddLog("DownLoad CRC Check OK");
    } else if (LineStarts("REQUEST_E2PROM")) {
        // The box announces its settings memory; nothing to answer.
    } else if (LineStarts("FLASH_WRITE")) {
        m_view.SetBarRange(ETransferBar::Flash, m_nBlockCount / 4);
        m_nFlashCounter = 0;
        m_view.SetBarPos(ETransferBar::Flash, 0);
    } else if (LineStarts("4096FLASH_WRITE")) {
        ++m_nFlashCounter;
        m_view.SetBarPos(ETransferBar::Flash, m_nFlashCounter);
    } else if (LineStarts("UPGRADE_SUCCESS")) {
        m_view.SetBarPos(ETransferBar::Flash, m_nBlockCount / 4);
        EndOfTransfer();
    } else if (IsNoAcknowledge()) {
        SetState(ETransferState::Ready);
    }
}

// The box's block number is not read: the PC always sends the block at its own index. A request
// after the last block has nothing to send and is ignored.
void CTransferProtocol::SendBlock() {
    if (m_nBlockIndex >= m_nBlockCount)
        return;
    const BYTE* pBlock = m_pImage.get() + m_nBlockIndex * m_nBlockSize;
    m_bBlockChecksum = ByteSum(pBlock, m_nBlockSize);
    m_port.Write(pBlock, m_nBlockSize);
    m_port.WriteByte(m_bBlockChecksum);
}

// ---- STB to PC ------------------------------------------------------------------------------

void CTransferProtocol::OnReceiveLine() {
    if (LineStarts("REQDATA_START_BLOCK")) {
        m_nReceiveCount = 0;
        m_port.WriteString(m_settings.strReceiveStartBlock.c_str());
    } else if (LineStarts("REQDATA_BLOCK")) {
        m_nReceiveCount = 0;
        m_port.WriteString(m_settings.strBlockCount.c_str());
    } else if (LineStarts("ack")) {
        StartDownload();
    } else if (IsNoAcknowledge()) {
        SetState(ETransferState::Ready);
    }
}

void CTransferProtocol::StartDownload() {
    m_nReceiveCount = 0;
    m_port.WriteString("REQUEST_DOWNLOAD");
    m_port.WriteByte(kCarriageReturn);
    m_nBlockIndex = 0;
    m_bTotalChecksum = 0;
    char szLine[32];
    std::snprintf(szLine, sizeof szLine, "REQUEST_1024DOWN:%04u", m_settings.nBlockNumberBase);
    m_port.WriteString(szLine);
    m_port.WriteByte(kCarriageReturn);
    m_bRaw = TRUE;
    // The byte after the control character that ended the box's "ack" line belongs to that line.
    m_settings.nSkipCount = 1;
}

void CTransferProtocol::OnReceiveBlock() {
    if (m_nReceiveCount < m_nBlockSize + 8)
        return;
    m_bBlockChecksum = ByteSum(m_pReceive.get(), m_nBlockSize);
    if (m_bBlockChecksum == m_pReceive[m_nBlockSize] && m_nBlockIndex < m_nBlockCount) {
        AcceptBlock();
        return;
    }
    m_view.AddLog(std::to_string(m_nBlockIndex) + " Block receive Error ----- Retry");
    SendNumberedLine("1024DOWN_ERR%04u\r", m_nBlockIndex + m_settings.nBlockNumberBase);
    m_nReceiveCount = 0;
}

void CTransferProtocol::AcceptBlock() {
    std::memcpy(m_pImage.get() + m_nBlockIndex * m_nBlockSize, m_pReceive.get(), m_nBlockSize);
    m_bTotalChecksum += m_bBlockChecksum;
    SendNumberedLine("1024DOWN_SUCCESS:%04u\r", m_nBlockIndex + m_settings.nBlockNumberBase);
    ++m_nBlockIndex;
    m_view.SetBarPos(ETransferBar::Transfer, m_nBlockIndex);
    if (m_nBlockIndex < m_nBlockCount) {
        SendNumberedLine("REQUEST_1024DOWN:%04u\r", m_settings.nBlockNumberBase + m_nBlockIndex);
        m_nReceiveCount = 0;
        return;
    }
    m_port.WriteString("REQUEST_TOTALCRC\r");
    m_port.WriteString("DOWN_SUCCESS\r");
    m_port.WriteString("RAMCRC_SUCCESS\r");
    SetState(ETransferState::Ready);
    EndOfTransfer();
    m_nReceiveCount = 0;
}

void CTransferProtocol::SendNumberedLine(const char* pszFormat, UINT nNumber) {
    char szLine[32];
    std::snprintf(szLine, sizeof szLine, pszFormat, nNumber);
    m_port.WriteString(szLine);
}

// ---- progress, timers, end ------------------------------------------------------------------

void CTransferProtocol::InitProgress() {
    m_nBlockCount = UsableBlockCount();
    if (m_nDirection == DIRECTION_STB_TO_PC)
        m_nImageLength = m_nBlockSize * m_nBlockCount;
    m_view.SetBarRange(ETransferBar::Transfer, m_nBlockCount);
    m_view.SetBarPos(ETransferBar::Transfer, m_nBlockIndex);
    if (m_nDirection == DIRECTION_PC_TO_STB) {
        m_view.SetBarRange(ETransferBar::Flash, m_nBlockCount / 4);
        m_view.SetBarPos(ETransferBar::Flash, 0);
    }
}

void CTransferProtocol::OnTimer(UINT nId) {
    if (nId == kPollTimerId && m_nState == ETransferState::Ready) {
        m_port.WriteByte(kPollByte);
    } else if (nId == kCloseTimerId) {
        m_view.KillTimer(kCloseTimerId);
        m_view.ClosePort();
    }
}

void CTransferProtocol::EndOfTransfer() {
    m_view.StartTimer(kCloseTimerId, kCloseTimerMs);
    m_view.ShowLamp(false);
    m_view.OnEndOfTransfer();
}
