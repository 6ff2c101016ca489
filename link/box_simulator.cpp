#include "box_simulator.h"

#include "transfer_protocol.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace {
constexpr size_t kTagLength = 5; // "ZDATA" or "PC___"
constexpr size_t kAckLength = 3; // "ack"
constexpr size_t kNumberLength = 4;
constexpr BYTE kCarriageReturn = 0x0D;
constexpr UINT kSectorBlocks = 4; // blocks per 4096-byte flash sector
constexpr size_t kTrailingBytes = kReceivedBlockSize - kTransferBlockSize - 1;

bool ParseNumber(std::string_view text, UINT& nValue) {
    const auto [pEnd, error] = std::from_chars(text.data(), text.data() + text.size(), nValue);
    return error == std::errc() && pEnd == text.data() + text.size() && !text.empty();
}
} // namespace

std::vector<BYTE> SBoxOptions::DefaultFlashInfo() {
    // A box with the 204-block channel area (kind 5 in the low bits of byte 3).
    std::vector<BYTE> info(kFlashInfoSize, 0);
    const BYTE header[] = {0x01, 0x20, 0xC2, 0x25, 0x00, 0x20};
    std::copy(std::begin(header), std::end(header), info.begin());
    return info;
}

CBoxSimulator::CBoxSimulator(SBoxOptions options) : m_options(std::move(options)) {
    if (m_options.strLineEnd.empty())
        m_options.strLineEnd = "\r\n";
    m_options.flashInfo.resize(kFlashInfoSize, 0);
}

std::vector<BYTE> CBoxSimulator::TakeOutput() {
    std::vector<BYTE> output;
    output.swap(m_output);
    return output;
}

void CBoxSimulator::Receive(const BYTE* pData, size_t nLength) {
    for (size_t i = 0; i < nLength; ++i)
        OnByte(pData[i]);
}

void CBoxSimulator::Expect(State state, size_t nBytes) {
    m_state = state;
    m_nExpected = nBytes;
    m_input.clear();
}

void CBoxSimulator::OnByte(BYTE bValue) {
    switch (m_state) {
    case State::Idle:
        return OnIdle(bValue);
    case State::Finished:
        return;
    case State::WaitLine:
        if (bValue == kCarriageReturn)
            return OnLine();
        m_input.push_back(bValue);
        return;
    case State::WaitTag:
        // The PC may still be polling while the box's announcement is on its way.
        if (bValue == kPollByte && m_input.empty())
            return;
        [[fallthrough]];
    default:
        m_input.push_back(bValue);
        if (m_input.size() == m_nExpected)
            OnFixedAnswer();
        return;
    }
}

void CBoxSimulator::OnIdle(BYTE bValue) {
    if (bValue != kPollByte)
        return;
    if (NoAckAt(ENoAckStep::Announce))
        return;
    SendLine("REQUEST_" + m_options.strVersion);
    // The flash information follows the control character that completes its line.
    const std::string strInfoLine = "BL_FLASH_INFO" + m_options.strLineEnd.substr(0, 1);
    m_output.insert(m_output.end(), strInfoLine.begin(), strInfoLine.end());
    m_output.insert(m_output.end(), m_options.flashInfo.begin(), m_options.flashInfo.end());
    SendLine("BL_FLASH_END");
    Expect(State::WaitTag, kTagLength);
}

void CBoxSimulator::OnFixedAnswer() {
    switch (m_state) {
    case State::WaitTag:
        return OnTag();
    case State::WaitAck:
        return OnAck();
    case State::WaitStartBlock:
        return OnStartBlock();
    case State::WaitBlockCount:
        return OnBlockCount();
    case State::WaitBlock:
        return OnBlock();
    case State::WaitTotal:
        return OnTotal();
    default:
        return;
    }
}

bool CBoxSimulator::NoAckAt(ENoAckStep step) {
    if (m_options.noAckStep != step || m_bNoAckDone)
        return false;
    m_bNoAckDone = true;
    SendLine(std::string(kNoAcknowledge));
    Expect(State::Idle, 0);
    return true;
}

void CBoxSimulator::OnTag() {
    const std::string strTag(m_input.begin(), m_input.end());
    if (strTag != "ZDATA" && strTag != "PC___") {
        Error("unknown direction tag \"" + strTag + "\"");
        Expect(State::Idle, 0);
        return;
    }
    m_bUpload = strTag == "ZDATA";
    if (NoAckAt(ENoAckStep::DirectionTag))
        return;
    SendLine("ACK");
    if (NoAckAt(ENoAckStep::Version))
        return;
    SendLine("REQUEST_VERSION:" + m_options.strVersion);
    Expect(State::WaitAck, kAckLength);
}

void CBoxSimulator::OnAck() {
    if (std::string(m_input.begin(), m_input.end()) != "ack") {
        Error("expected \"ack\"");
        Expect(State::Idle, 0);
        return;
    }
    if (NoAckAt(ENoAckStep::Transfer))
        return;
    SendLine(m_bUpload ? "REQDATA_START_BLOCK" : "REQUEST_START_BLOCK");
    Expect(State::WaitStartBlock, kNumberLength);
}

void CBoxSimulator::OnStartBlock() {
    if (!ParseNumber(
            std::string_view(reinterpret_cast<const char*>(m_input.data()), m_input.size()),
            m_nStartBlock)) {
        Error("start block is not a number");
        Expect(State::Finished, 0);
        return;
    }
    SendLine(m_bUpload ? "REQDATA_BLOCK" : "REQUEST_BLOCK");
    Expect(State::WaitBlockCount, kNumberLength);
}

void CBoxSimulator::OnBlockCount() {
    const std::string_view text(reinterpret_cast<const char*>(m_input.data()), m_input.size());
    if (!ParseNumber(text, m_nBlockCount) || m_nBlockCount == 0 ||
        m_nBlockCount > kMaxTransferBlocks) {
        Error("unusable block count \"" + std::string(text) + "\"");
        Expect(State::Finished, 0);
        return;
    }
    m_nBlockIndex = 0;
    m_bTotal = 0;
    if (m_bUpload) {
        m_options.image.resize(size_t{m_nBlockCount} * kTransferBlockSize, 0);
        // The PC drops the byte after the control character that ends this line.
        const std::string strAck = "ack" + m_options.strLineEnd;
        m_output.insert(m_output.end(), strAck.begin(), strAck.end());
        Expect(State::WaitLine, 0);
        return;
    }
    m_received.assign(size_t{m_nBlockCount} * kTransferBlockSize, 0);
    SendLine("REQUEST_DOWNLOAD");
    SendNumbered("REQUEST_1024DOWN:", m_nStartBlock);
    Expect(State::WaitBlock, kTransferBlockSize + 1);
}

// ---- PC to STB ------------------------------------------------------------------------------

void CBoxSimulator::OnBlock() {
    if (static_cast<int>(m_nBlockIndex) == m_options.nCorruptReceivedBlock &&
        !m_bCorruptReceivedDone) {
        m_bCorruptReceivedDone = true;
        m_input[0] ^= 0x40; // line noise on the first byte
    }
    const BYTE bSum = ByteSum(m_input.data(), kTransferBlockSize);
    const UINT nNumber = m_nStartBlock + m_nBlockIndex;
    if (bSum != m_input[kTransferBlockSize]) {
        SendNumbered("1024DOWN_ERR", nNumber);
        SendNumbered("REQUEST_1024DOWN:", nNumber);
        Expect(State::WaitBlock, kTransferBlockSize + 1);
        return;
    }
    std::copy_n(m_input.begin(), kTransferBlockSize,
                m_received.begin() + size_t{m_nBlockIndex} * kTransferBlockSize);
    m_bTotal += bSum;
    SendNumbered("1024DOWN_SUCCESS:", nNumber);
    if (++m_nBlockIndex < m_nBlockCount) {
        SendNumbered("REQUEST_1024DOWN:", nNumber + 1);
        Expect(State::WaitBlock, kTransferBlockSize + 1);
        return;
    }
    SendLine("REQUEST_TOTALCRC");
    Expect(State::WaitTotal, 1);
}

void CBoxSimulator::OnTotal() {
    if (m_input[0] != m_bTotal) {
        Error("total checksum differs");
        Expect(State::Finished, 0);
        return;
    }
    SendFlashProgress();
    Expect(State::Finished, 0);
}

void CBoxSimulator::SendFlashProgress() {
    SendLine("DOWN_SUCCESS");
    SendLine("RAMCRC_SUCCESS");
    SendLine("FLASH_WRITE");
    for (UINT nSector = 0; nSector < m_nBlockCount / kSectorBlocks; ++nSector)
        SendLine("4096FLASH_WRITE");
    SendLine("UPGRADE_SUCCESS");
}

// ---- STB to PC ------------------------------------------------------------------------------

void CBoxSimulator::OnLine() {
    std::string strLine(m_input.begin(), m_input.end());
    m_input.clear();
    // Control bytes other than CR carry nothing in the PC's lines.
    std::erase_if(strLine, [](char c) { return static_cast<BYTE>(c) < 0x20; });
    OnUploadLine(strLine);
}

void CBoxSimulator::OnUploadLine(const std::string& strLine) {
    auto blockOf = [this, &strLine](std::string_view prefix, UINT& nIndex) {
        UINT nNumber = 0;
        if (!ParseNumber(std::string_view(strLine).substr(prefix.size()), nNumber) ||
            nNumber < m_nStartBlock || nNumber - m_nStartBlock >= m_nBlockCount) {
            Error("bad block number in \"" + strLine + "\"");
            return false;
        }
        nIndex = nNumber - m_nStartBlock;
        return true;
    };
    UINT nIndex = 0;
    if (strLine == "REQUEST_DOWNLOAD" || strLine == "REQUEST_TOTALCRC" ||
        strLine == "DOWN_SUCCESS") {
        return;
    } else if (strLine.starts_with("REQUEST_1024DOWN:")) {
        if (blockOf("REQUEST_1024DOWN:", nIndex))
            SendBlock(nIndex);
    } else if (strLine.starts_with("1024DOWN_SUCCESS:")) {
        if (blockOf("1024DOWN_SUCCESS:", nIndex))
            m_nBlockIndex = nIndex + 1;
    } else if (strLine.starts_with("1024DOWN_ERR")) {
        if (blockOf("1024DOWN_ERR", nIndex))
            SendBlock(nIndex);
    } else if (strLine == "RAMCRC_SUCCESS") {
        if (m_nBlockIndex != m_nBlockCount)
            Error("closing lines before the last block");
        Expect(State::Finished, 0);
    } else {
        Error("unexpected line \"" + strLine + "\"");
    }
}

void CBoxSimulator::SendBlock(UINT nIndex) {
    const auto first = m_options.image.begin() + size_t{nIndex} * kTransferBlockSize;
    m_output.insert(m_output.end(), first, first + kTransferBlockSize);
    BYTE bSum = ByteSum(&*first, kTransferBlockSize);
    if (static_cast<int>(nIndex) == m_options.nCorruptSentBlock && !m_bCorruptSentDone) {
        m_bCorruptSentDone = true;
        ++bSum;
    }
    m_output.push_back(bSum);
    m_output.insert(m_output.end(), kTrailingBytes, 0);
}

// ---- output ---------------------------------------------------------------------------------

void CBoxSimulator::SendLine(const std::string& strText) {
    m_output.insert(m_output.end(), strText.begin(), strText.end());
    m_output.insert(m_output.end(), m_options.strLineEnd.begin(), m_options.strLineEnd.end());
}

void CBoxSimulator::SendNumbered(const char* pszPrefix, UINT nNumber) {
    char szNumber[16];
    std::snprintf(szNumber, sizeof szNumber, "%04u", nNumber);
    SendLine(std::string(pszPrefix) + szNumber);
}

void CBoxSimulator::Error(const std::string& strText) {
    m_errors.push_back(strText);
}
