#pragma once

#include <cstdint>
#include <optional>

// The status window's polling state. `pollPhase` alternates 0 and 1 at every
// tick and picks RPWS or RPWE; `pollHold` 0 lets polling run, 1 holds it, and
// a larger value is counted down by one a tick until it reaches 1. A handler
// that needs a quiet line sets the hold to N, waits until it has fallen to 1
// (N - 1 ticks), and releases it with 0 when done.
namespace monitor {

class PollCycle
{
public:
    static constexpr int kRunning = 0;
    static constexpr int kHeld = 1;

    int pollPhase() const { return m_pollPhase; }
    int pollHold() const { return m_pollHold; }

    void hold(int ticks) { m_pollHold = ticks; }
    void resume() { m_pollHold = kRunning; }
    // A hold has run down to 1; polling stays held until resume().
    bool holdRunDown() const { return m_pollHold <= kHeld; }

    // One tick of the status timer: the command index to send (RPWS in
    // phase 0, RPWE in phase 1), or nothing. With the port closed the phase
    // still turns but the hold is not counted down.
    std::optional<std::uint8_t> tick(bool portOpen);

private:
    int m_pollPhase = 0;
    int m_pollHold = kRunning;
};

} // namespace monitor
