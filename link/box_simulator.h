// A stand-in for the box's boot loader: it answers the PC's polls, announces itself, and plays
// either direction of a transfer. It is fed the bytes the PC wrote and hands back the bytes the
// box sends, so it runs in-process (tests, benchmarks) or behind a pseudo-terminal (stb-sim).
#pragma once

#include "records.h"

#include <array>
#include <string>
#include <vector>

// Where the box answers "NO_ACKNOWLEDGE with PC." instead of going on (once per simulator).
enum class ENoAckStep {
    None,
    Announce,     // instead of announcing itself after a poll (the PC is in Ready)
    DirectionTag, // instead of "ACK" after the PC's direction tag (RequestMode)
    Version,      // after "ACK", instead of "REQUEST_VERSION:" (WaitVersion)
    Transfer,     // after the PC's "ack", instead of the first request (SendImage, ReceiveImage)
};

struct SBoxOptions {
    std::string strVersion = "V120";
    // The 34 bytes that follow the control character ending the "BL_FLASH_INFO" line.
    std::vector<BYTE> flashInfo = DefaultFlashInfo();
    // Ends every line the box sends. A lone CR or LF is not enough for the PC: it repeats a
    // matched line's action on every printable byte until the next control character, and it
    // drops the byte after the "ack" line. CR LF is what the box's loader prints.
    std::string strLineEnd = "\r\n";
    int nCorruptReceivedBlock = -1; // block index damaged once on its way from the PC to the box
    int nCorruptSentBlock = -1;     // block index the box sends once with a wrong checksum
    ENoAckStep noAckStep = ENoAckStep::None;
    // The image the box sends; block count x 1024 bytes (missing bytes are sent as zero).
    std::vector<BYTE> image;

    static std::vector<BYTE> DefaultFlashInfo();
};

class CBoxSimulator {
  public:
    explicit CBoxSimulator(SBoxOptions options);

    // Bytes the PC wrote, in order; the box's answers are appended to its output.
    void Receive(const BYTE* pData, size_t nLength);
    // Bytes the box has sent since the last call.
    std::vector<BYTE> TakeOutput();

    // The box has finished a transfer (flashed the image, or sent its last block and heard the
    // PC's closing lines); it then ignores everything.
    bool IsFinished() const { return m_state == State::Finished; }
    // The image the box received from the PC, block count x 1024 bytes once it is complete.
    const std::vector<BYTE>& ReceivedImage() const { return m_received; }
    // Departures from the protocol the box noticed, as text; empty for a clean exchange.
    const std::vector<std::string>& Errors() const { return m_errors; }
    // What the PC answered, as the box read it.
    UINT StartBlock() const { return m_nStartBlock; }
    UINT BlockCount() const { return m_nBlockCount; }
    bool IsUpload() const { return m_bUpload; }

  private:
    enum class State {
        Idle,
        WaitTag,
        WaitAck,
        WaitStartBlock,
        WaitBlockCount,
        WaitBlock,
        WaitTotal,
        WaitLine,
        Finished
    };

    void OnByte(BYTE bValue);
    void OnIdle(BYTE bValue);
    void OnFixedAnswer();
    void OnTag();
    void OnAck();
    void OnStartBlock();
    void OnBlockCount();
    void OnBlock();
    void OnTotal();
    void OnLine();
    void OnUploadLine(const std::string& strLine);
    void Expect(State state, size_t nBytes);
    void SendLine(const std::string& strText);
    void SendNumbered(const char* pszPrefix, UINT nNumber);
    void SendBlock(UINT nIndex);
    void SendFlashProgress();
    bool NoAckAt(ENoAckStep step);
    void Error(const std::string& strText);

    SBoxOptions m_options;
    State m_state = State::Idle;
    std::vector<BYTE> m_input; // bytes of the answer being collected
    size_t m_nExpected = 0;
    std::vector<BYTE> m_output;
    std::vector<BYTE> m_received;
    std::vector<std::string> m_errors;
    bool m_bUpload = false;
    bool m_bNoAckDone = false;
    bool m_bCorruptReceivedDone = false;
    bool m_bCorruptSentDone = false;
    UINT m_nStartBlock = 0;
    UINT m_nBlockCount = 0;
    UINT m_nBlockIndex = 0;
    BYTE m_bTotal = 0;
};
