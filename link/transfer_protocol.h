// The PC side of the line-and-block protocol spoken with the box's boot loader. The engine is
// driven only by received bytes and timer ticks; it writes through ISerialWriter and shows its
// progress through ITransferView, so the transfer dialog, the command line and the tests all run
// the same code.
#pragma once

#include "records.h"

#include <memory>
#include <string>
#include <string_view>

inline constexpr UINT kTransferBlockSize = 1024;
inline constexpr UINT kDefaultBlockCount = 204; // 204 x 1024 = 0x33000, the transfer image
inline constexpr UINT kMaxTransferBlocks = 208; // room in the image buffer
inline constexpr UINT kTransferBufferSize = kTransferBlockSize * kMaxTransferBlocks; // 212992
inline constexpr UINT kReceivedBlockSize = kTransferBlockSize + 8; // data, checksum, 7 more bytes
inline constexpr UINT kFlashInfoSize = 34;
inline constexpr UINT kReceiveBufferSize = 65536;
inline constexpr UINT kPollTimerId = 0x3131;
inline constexpr UINT kPollTimerMs = 100;
inline constexpr UINT kCloseTimerId = 0x3132;
inline constexpr UINT kCloseTimerMs = 1000;
inline constexpr BYTE kPollByte = 0x1F;
// How long a box may stay silent on a connected port before the user is told what to check.
inline constexpr int kNoAnswerMs = 10000;
inline constexpr std::string_view kNoAcknowledge = "NO_ACKNOWLEDGE with PC.";

enum : UINT { DIRECTION_STB_TO_PC = 1, DIRECTION_PC_TO_STB = 2 };

enum class ETransferState : UINT {
    Ready,
    FlashInfo,
    RequestMode,
    WaitVersion,
    SendImage,
    ReceiveImage
};

enum class ETransferBar { Transfer, Flash };

// Transfer settings shared by every transfer of the program's run; a version announced by one box
// stays in force for the next transfer. The program keeps one and hands it to each engine.
struct STransferSettings {
    UINT nBlockCount = kDefaultBlockCount;
    std::string strBlockCount = "0204";
    std::string strSendStartBlock = "1028";
    std::string strReceiveStartBlock = "0004";
    UINT nBlockNumberBase = 4;
    UINT nSkipCount = 0; // raw bytes still to be dropped
};

// Outgoing side of the serial port; each call is one queued write.
class ISerialWriter {
  public:
    virtual ~ISerialWriter() = default;
    virtual void Write(const BYTE* pData, UINT nLength) = 0;
    virtual void WriteString(const char* pszText) = 0;
    virtual void WriteByte(BYTE bValue) = 0;
};

// What the engine shows and asks of its dialog. Bar ranges always start at 0.
class ITransferView {
  public:
    virtual ~ITransferView() = default;
    virtual void AddLog(const std::string& strText) = 0;
    virtual void SetBarRange(ETransferBar bar, UINT nUpper) = 0;
    virtual void SetBarPos(ETransferBar bar, UINT nPos) = 0;
    virtual void ShowLamp(bool bConnected) = 0;
    virtual void StartTimer(UINT nId, UINT nMilliseconds) = 0;
    virtual void KillTimer(UINT nId) = 0;
    virtual void ClosePort() = 0;
    // The last block went in (or out and was flashed); the close timer is running.
    virtual void OnEndOfTransfer() = 0;
};

class CTransferProtocol {
  public:
    CTransferProtocol(ISerialWriter& port, ITransferView& view, STransferSettings& settings);
    CTransferProtocol(const CTransferProtocol&) = delete;
    CTransferProtocol& operator=(const CTransferProtocol&) = delete;

    void SetDirection(UINT nDirection) { m_nDirection = nDirection; }
    UINT GetDirection() const { return m_nDirection; }
    // Copies an image of exactly block size x block count bytes; otherwise the length becomes 0.
    BOOL SetImageData(const BYTE* pData, UINT nLength);
    // Copies the image out and returns its length; 0 and nothing copied without an image.
    UINT GetImageData(BYTE* pOut) const;
    UINT GetImageLength() const { return m_nImageLength; }
    const BYTE* GetImage() const { return m_pImage.get(); }
    BOOL IsComplete() const { return m_nBlockIndex == m_nBlockCount; }
    UINT GetBlockIndex() const { return m_nBlockIndex; }
    UINT GetBlockCount() const { return m_nBlockCount; }
    UINT GetBlockSize() const { return m_nBlockSize; }
    UINT GetFlashCounter() const { return m_nFlashCounter; }
    ETransferState GetState() const { return m_nState; }
    const std::string& GetVersion() const { return m_strVersion; }

    // One received byte (WPARAM) from port nPort (LPARAM).
    void OnSerialByte(UINT nByte, UINT nPort);
    void OnTimer(UINT nId);
    ETransferState SetState(ETransferState nState);
    void InitProgress();

  private:
    void AssembleLine(BYTE bValue);
    void StoreRawByte(BYTE bValue);
    void RunStateHandler();
    void EnterState(ETransferState nState);
    void OnReady();
    void OnFlashInfo();
    void OnRequestMode();
    void OnWaitVersion();
    void OnSendImage();
    void OnReceiveLine();
    void OnReceiveBlock();
    void RecordVersion();
    void SendBlock();
    void AcceptBlock();
    void StartDownload();
    bool LineStarts(std::string_view prefix) const;
    bool IsNoAcknowledge() const;
    void SendNumberedLine(const char* pszFormat, UINT nNumber);
    void EndOfTransfer();
    UINT UsableBlockCount() const;

    ISerialWriter& m_port;
    ITransferView& m_view;
    STransferSettings& m_settings;
    UINT m_nDirection = DIRECTION_STB_TO_PC;
    std::unique_ptr<BYTE[]> m_pImage;
    UINT m_nImageLength = 0;
    UINT m_nBlockCount = kDefaultBlockCount;
    UINT m_nBlockSize = kTransferBlockSize;
    UINT m_nBlockIndex = 0;
    UINT m_nFlashCounter = 0;
    BYTE m_bTotalChecksum = 0;
    BYTE m_bBlockChecksum = 0;
    ETransferState m_nState = ETransferState::Ready;
    BOOL m_bRaw = FALSE;
    std::string m_strLine;
    std::unique_ptr<BYTE[]> m_pReceive;
    UINT m_nReceiveCount = 0;
    std::string m_strVersion = "MODE";
};

// 8-bit sum of the bytes: the block checksum and, over block checksums, the total checksum.
BYTE ByteSum(const BYTE* pData, UINT nLength);
