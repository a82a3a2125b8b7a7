#include "monitor/PollCycle.h"

#include "link/Commands.h"

namespace monitor {

namespace {
constexpr int kPhases = 2;
static_assert(command::kEventPoll == command::kStatusPoll + 1, "phase 1 polls with the command after RPWS");
} // namespace

std::optional<std::uint8_t> PollCycle::tick(bool portOpen)
{
    m_pollPhase = (m_pollPhase + 1) % kPhases;
    if (!portOpen)
        return std::nullopt;
    if (m_pollHold > kHeld)
        --m_pollHold;
    if (m_pollHold != kRunning)
        return std::nullopt;
    return std::uint8_t(command::kStatusPoll + m_pollPhase);
}

} // namespace monitor
