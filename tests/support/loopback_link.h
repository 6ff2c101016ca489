// The PC's engine wired to the box simulator in one thread, delivering bytes the way the serial
// port does: everything the box has sent reaches the engine first, then the engine's queued
// writes reach the box. Timers tick only when the line is quiet, so an exchange runs as fast as
// the machine allows. Every write, log line, bar movement and timer request is recorded.
#pragma once

#include "box_simulator.h"
#include "transfer_protocol.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

class CLoopbackLink : public ISerialWriter, public ITransferView {
  public:
    CLoopbackLink(UINT nDirection, SBoxOptions options, STransferSettings& settings)
        : m_box(std::move(options)), m_engine(*this, *this, settings) {
        m_engine.SetDirection(nDirection);
    }

    CTransferProtocol& Engine() { return m_engine; }
    CBoxSimulator& Box() { return m_box; }

    // Connects (state Ready) and runs until the port is closed or nothing moves any more;
    // at most nMaxTicks timer ticks. Returns whether the port was closed by the engine.
    bool Run(UINT nMaxTicks = 100) {
        m_engine.SetState(ETransferState::Ready);
        for (UINT nTick = 0; nTick < nMaxTicks && m_bPortOpen; ++nTick) {
            Pump();
            if (m_bPortOpen && m_timers.contains(kCloseTimerId))
                m_engine.OnTimer(kCloseTimerId);
            else if (m_bPortOpen && m_timers.contains(kPollTimerId))
                m_engine.OnTimer(kPollTimerId);
            else
                break;
        }
        return !m_bPortOpen;
    }

    // Each write the engine made, in order, as its bytes.
    const std::vector<std::string>& Writes() const { return m_writes; }
    const std::vector<std::string>& Log() const { return m_log; }
    UINT BarPos(ETransferBar bar) const { return m_barPos[static_cast<int>(bar)]; }
    UINT BarRange(ETransferBar bar) const { return m_barRange[static_cast<int>(bar)]; }
    bool LampConnected() const { return m_bLampConnected; }
    UINT EndOfTransferCount() const { return m_nEnds; }
    // Whether the box saw nothing it had not asked for.
    bool Clean() const { return m_box.Errors().empty(); }

    // ISerialWriter: a length of 0 writes up to the first NUL.
    void Write(const BYTE* pData, UINT nLength) override {
        const char* p = reinterpret_cast<const char*>(pData);
        if (m_bPortOpen && p != nullptr && (nLength > 0 || *p != '\0'))
            m_writes.emplace_back(p, nLength > 0 ? nLength : std::strlen(p));
    }
    void WriteString(const char* pszText) override {
        Write(reinterpret_cast<const BYTE*>(pszText), 0);
    }
    void WriteByte(BYTE bValue) override { Write(&bValue, 1); }
    // ITransferView
    void AddLog(const std::string& strText) override { m_log.push_back(strText); }
    void SetBarRange(ETransferBar bar, UINT nUpper) override {
        m_barRange[static_cast<int>(bar)] = nUpper;
    }
    void SetBarPos(ETransferBar bar, UINT nPos) override { m_barPos[static_cast<int>(bar)] = nPos; }
    void ShowLamp(bool bConnected) override { m_bLampConnected = bConnected; }
    void StartTimer(UINT nId, UINT) override { m_timers.insert(nId); }
    void KillTimer(UINT nId) override { m_timers.erase(nId); }
    void ClosePort() override { m_bPortOpen = false; }
    void OnEndOfTransfer() override { ++m_nEnds; }

  private:
    // Delivers the box's pending output and the engine's writes until both are quiet.
    void Pump() {
        for (bool bMoved = true; bMoved && m_bPortOpen;) {
            bMoved = false;
            for (BYTE bValue : m_box.TakeOutput()) {
                m_engine.OnSerialByte(bValue, 1);
                bMoved = true;
            }
            for (; m_nDelivered < m_writes.size(); ++m_nDelivered, bMoved = true)
                m_box.Receive(reinterpret_cast<const BYTE*>(m_writes[m_nDelivered].data()),
                              m_writes[m_nDelivered].size());
        }
    }

    CBoxSimulator m_box;
    CTransferProtocol m_engine;
    std::vector<std::string> m_writes;
    size_t m_nDelivered = 0; // writes already handed to the box
    std::vector<std::string> m_log;
    UINT m_barPos[2] = {}, m_barRange[2] = {};
    std::set<UINT> m_timers;
    bool m_bPortOpen = true;
    bool m_bLampConnected = true;
    UINT m_nEnds = 0;
};
