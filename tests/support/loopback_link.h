// The PC's engine wired to the box simulator in one thread, delivering bytes the way the serial
// port does: everything the box has sent reaches the engine first, then the engine's queued
// writes reach the box. Timers tick only when the line is quiet, so an exchange runs as fast as
// the machine allows. Every write, log line, bar movement and timer request is recorded.
#pragma once

#include "box_simulator.h"
#include "transfer_protocol.h"

#include <map>
#include <string>
#include <vector>

class CLoopbackLink : public ISerialWriter, public ITransferView {
  public:
    CLoopbackLink(UINT nDirection, SBoxOptions options, STransferSettings& settings);

    CTransferProtocol& Engine() { return m_engine; }
    CBoxSimulator& Box() { return m_box; }

    // Connects (state Ready) and runs until the port is closed or nothing moves any more;
    // at most nMaxTicks timer ticks. Returns whether the port was closed by the engine.
    bool Run(UINT nMaxTicks = 100);
    // Delivers the box's pending output and the engine's writes until both are quiet.
    void Pump();

    // Each write the engine made, in order, as its bytes.
    const std::vector<std::string>& Writes() const { return m_writes; }
    const std::vector<std::string>& Log() const { return m_log; }
    UINT BarPos(ETransferBar bar) const { return m_barPos.at(static_cast<int>(bar)); }
    UINT BarRange(ETransferBar bar) const { return m_barRange.at(static_cast<int>(bar)); }
    // Highest position the bar reached.
    UINT BarPeak(ETransferBar bar) const { return m_barPeak.at(static_cast<int>(bar)); }
    bool TimerRunning(UINT nId) const { return m_timers.count(nId) != 0; }
    bool PortOpen() const { return m_bPortOpen; }
    bool LampConnected() const { return m_bLampConnected; }
    UINT EndOfTransferCount() const { return m_nEnds; }
    // Whether the box saw nothing it had not asked for.
    bool Clean() const { return m_box.Errors().empty(); }

    // ISerialWriter
    void Write(const BYTE* pData, UINT nLength) override;
    void WriteString(const char* pszText) override;
    void WriteByte(BYTE bValue) override;
    // ITransferView
    void AddLog(const std::string& strText) override { m_log.push_back(strText); }
    void SetBarRange(ETransferBar bar, UINT nUpper) override;
    void SetBarPos(ETransferBar bar, UINT nPos) override;
    void ShowLamp(bool bConnected) override { m_bLampConnected = bConnected; }
    void StartTimer(UINT nId, UINT nMilliseconds) override { m_timers[nId] = nMilliseconds; }
    void KillTimer(UINT nId) override { m_timers.erase(nId); }
    void ClosePort() override { m_bPortOpen = false; }
    void OnEndOfTransfer() override { ++m_nEnds; }

  private:
    CBoxSimulator m_box;
    CTransferProtocol m_engine;
    std::vector<std::string> m_writes;
    size_t m_nDelivered = 0; // writes already handed to the box
    std::vector<std::string> m_log;
    std::map<int, UINT> m_barPos, m_barRange, m_barPeak;
    std::map<UINT, UINT> m_timers;
    bool m_bPortOpen = true;
    bool m_bLampConnected = true;
    UINT m_nEnds = 0;
};
