#include "LiveActivity.h"

#include "LiveModule.h"

#include <algorithm>

namespace {

constexpr int kTripPercent = 15;
constexpr int kMostStepsInAlarm = 3;
constexpr int kDriftPercent = 40;
// The ranges the drifting values stay in.
constexpr int kChargerLowest = 136;
constexpr int kChargerHighest = 140;
constexpr int kBatteryLowest = 126;
constexpr int kBatteryHighest = 131;
constexpr int kSignalLowest = 14;
constexpr int kSignalHighest = 28;
constexpr int kTemperatureLowest = 19;
constexpr int kTemperatureHighest = 31;

} // namespace

LiveActivity::LiveActivity(LiveModule& module, std::uint32_t seed, QObject* parent)
    : QObject(parent)
    , m_module(module)
    , m_random(seed)
{
    m_timer.setInterval(kStepMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveActivity::step);
}

bool LiveActivity::chance(int percent)
{
    return between(1, 100) <= percent;
}

int LiveActivity::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

void LiveActivity::step()
{
    // Reports go out a step after their event at the earliest.
    deliverReports();
    moveDetectors();
    drift();
}

void LiveActivity::moveDetectors()
{
    if (m_trippedInput != 0) {
        if (++m_stepsInAlarm >= kMostStepsInAlarm || chance(50)) {
            m_module.restoreInput(m_trippedInput);
            m_trippedInput = 0;
        }
        return;
    }
    if (!chance(kTripPercent))
        return;
    // Someone walks past a detector; the 24-hour zones (smoke, panic) stay quiet.
    const int n = between(1, LiveModule::kInputs);
    if (m_module.isAllDayZone(n) || m_module.input(n).condition != InputCondition::Rest)
        return;
    m_module.tripInput(n);
    m_trippedInput = n;
    m_stepsInAlarm = 0;
}

void LiveActivity::drift()
{
    const Supplies& s = m_module.supplies();
    if (chance(kDriftPercent))
        m_module.setGsmSignal(std::clamp(s.gsmSignal + between(-2, 2), kSignalLowest, kSignalHighest));
    if (chance(kDriftPercent) && s.mains)
        m_module.setTerminalTenths(std::clamp(s.terminalTenths + between(-1, 1), kChargerLowest, kChargerHighest));
    if (chance(kDriftPercent / 4))
        m_module.setBatteryTenths(std::clamp(s.batteryTenths + between(-1, 1), kBatteryLowest, kBatteryHighest));
    if (chance(kDriftPercent / 4))
        m_module.setTemperature(std::clamp(s.temperature + between(-1, 1), kTemperatureLowest, kTemperatureHighest));
}

void LiveActivity::deliverReports()
{
    // The oldest report still pending goes out.
    EventMemory& events = m_module.events();
    for (int age = EventMemory::kRecords - 1; age >= 0; --age) {
        LoggedEvent& record =
            events.record((events.newestIndex() - age + EventMemory::kRecords) % EventMemory::kRecords);
        if (record.pending() && !record.stopped()) {
            record.bytes[LoggedEvent::kTargetsAt] = 0;
            record.bytes[LoggedEvent::kFlagsAt] &= std::uint8_t(~recordflag::kCentralStation);
            return;
        }
    }
}
