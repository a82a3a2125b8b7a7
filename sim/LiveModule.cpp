#include "LiveModule.h"

#include "EventHistory.h"

#include <algorithm>
#include <utility>

namespace {

// Report targets of a new record (byte 6): T1 and S1.
constexpr std::uint8_t kAlarmTargets = 0x11;
constexpr std::uint8_t kSmsTarget = 0x10;

constexpr int kLowSignalBelow = 10;
constexpr int kGsmSignalMax = 31;
constexpr int kLowBatteryBelow = 115;
constexpr int kChargerTenths = 138;

namespace text {
const QString kArmed = QStringLiteral("Élesítve: %1. partíció");
const QString kDisarmed = QStringLiteral("Kikapcsolva: %1. partíció");
const QString kAlarm = QStringLiteral("Riasztás: %1");
const QString kTamper = QStringLiteral("Szabotázs: %1");
const QString kStopped = QStringLiteral("Riasztások leállítva");
const QString kMainsLost = QStringLiteral("Hálózati feszültség kimaradt");
const QString kMainsBack = QStringLiteral("Hálózati feszültség visszatért");
const QString kClockSet = QStringLiteral("Óra beállítva");
const QString kProgrammed = QStringLiteral("Új paraméterek érvényben");
const QString kSignal = QStringLiteral("GSM térerő: %1");
const QString kMainsOk = QStringLiteral("Hálózati táp rendben");
const QString kNoMains = QStringLiteral("Nincs hálózati feszültség");
const QString kBattery = QStringLiteral("Akkumulátor: %1,%2 V");
const QString kTemperature = QStringLiteral("Hőmérséklet: %1 °C");
constexpr int kRoutineTexts = 4;
} // namespace text

} // namespace

LiveModule::LiveModule(const ModuleMemory& parameters)
    : m_parameters(parameters)
{
    logHistory(m_events, m_clock.now());
    refreshOutputs();
}

int LiveModule::inputWiring(int n) const
{
    const int wiring = zoneByte(n, layout::kZoneWiring);
    return wiring <= layout::wiring::kRadio ? wiring : 0;
}

int LiveModule::zoneByte(int n, int field) const
{
    return m_parameters.active()[std::size_t(layout::zone(n) + field)];
}

LiveModule::ZoneArming LiveModule::zoneArming(int n) const
{
    switch (zoneByte(n, layout::kZonePartition)) {
    case layout::partition::kFirst: return ZoneArming::Partition1;
    case layout::partition::kSecond: return ZoneArming::Partition2;
    case layout::partition::kAllDay: return ZoneArming::Always;
    case layout::partition::kBoth:
    default: return ZoneArming::Both;
    }
}

bool LiveModule::zoneArmed(int n) const
{
    switch (zoneArming(n)) {
    case ZoneArming::Partition1: return armed(1);
    case ZoneArming::Partition2: return armed(2);
    case ZoneArming::Both: return armed(1) || armed(2);
    case ZoneArming::Always: return true;
    }
    return false;
}

QString LiveModule::zoneText(int n) const
{
    const QString name =
        readText(m_parameters.active(), layout::zone(n) + layout::kZoneName, layout::kNameLength).trimmed();
    const QString input = QStringLiteral("IN%1").arg(n);
    return name.isEmpty() ? input : input + u' ' + name;
}

void LiveModule::tripInput(int n)
{
    setCondition(n, InputCondition::Alarm);
}

void LiveModule::restoreInput(int n)
{
    setCondition(n, InputCondition::Rest);
}

void LiveModule::tamperInput(int n)
{
    setCondition(n, InputCondition::Tamper);
}

void LiveModule::setRadioDetails(int n, int signal, bool lowBattery)
{
    AlarmInput& in = m_inputs.at(std::size_t(n - 1));
    in.radioSignal = signal;
    in.radioLowBattery = lowBattery;
}

void LiveModule::setCondition(int n, InputCondition condition)
{
    const std::size_t i = std::size_t(n - 1);
    AlarmInput& in = m_inputs.at(i);
    const InputCondition was = std::exchange(in.condition, condition);
    if (was == condition)
        return;
    // A tamper is watched whether the zone is armed or not.
    if (was == InputCondition::Tamper)
        logEvent(eventcode::kTamperRestore, n);
    if (condition == InputCondition::Tamper) {
        logEvent(eventcode::kTamper, n, kAlarmTargets, recordflag::kCentralStation);
        queueMessage(text::kTamper.arg(zoneText(n)));
    }
    if (was == InputCondition::Alarm && m_alarmOpen[i]) {
        m_alarmOpen[i] = false;
        logEvent(eventcode::inputRestore(n), n);
    }
    if (condition == InputCondition::Alarm && zoneArmed(n)) {
        m_alarmOpen[i] = true;
        m_sounding[i] = true;
        logEvent(eventcode::inputAlarm(n), n, kAlarmTargets, recordflag::kCentralStation);
        queueMessage(text::kAlarm.arg(zoneText(n)));
    }
    refreshOutputs();
}

void LiveModule::arm(int partition, int user)
{
    bool& isArmed = m_armed.at(std::size_t(partition - 1));
    if (isArmed)
        return;
    isArmed = true;
    logEvent(eventcode::armed(partition), user, 0, recordflag::kCentralStation);
    queueMessage(text::kArmed.arg(partition));
    refreshOutputs();
}

void LiveModule::disarm(int partition, int user)
{
    bool& isArmed = m_armed.at(std::size_t(partition - 1));
    if (!isArmed)
        return;
    isArmed = false;
    logEvent(eventcode::disarmed(partition), user, 0, recordflag::kCentralStation);
    queueMessage(text::kDisarmed.arg(partition));
    for (int n = 1; n <= kInputs; ++n)
        if (!zoneArmed(n))
            m_sounding[std::size_t(n - 1)] = false;
    refreshOutputs();
}

bool LiveModule::alarmRunning() const
{
    return std::find(m_sounding.begin(), m_sounding.end(), true) != m_sounding.end();
}

void LiveModule::stopAlarms()
{
    for (int n = 1; n <= kInputs; ++n)
        if (input(n).condition == InputCondition::Alarm)
            restoreInput(n);
    m_sounding.fill(false);
    for (int i = 0; i < EventMemory::kRecords; ++i) {
        LoggedEvent& record = m_events.record(i);
        if (record.pending())
            record.bytes[LoggedEvent::kFlagsAt] |= recordflag::kStopped;
    }
    queueMessage(text::kStopped);
    refreshOutputs();
}

void LiveModule::setMains(bool on)
{
    if (std::exchange(m_supplies.mains, on) == on)
        return;
    if (on)
        logEvent(eventcode::kMainsRestored, eventuser::kNone);
    else
        logEvent(eventcode::kMainsFault, eventuser::kNone, kSmsTarget);
    queueMessage(on ? text::kMainsBack : text::kMainsLost);
    // Without the charger the terminals show the battery.
    m_supplies.terminalTenths = on ? kChargerTenths : m_supplies.batteryTenths;
}

void LiveModule::setGsmSignal(int signal)
{
    const int was = std::exchange(m_supplies.gsmSignal, std::clamp(signal, 0, kGsmSignalMax));
    const bool wasLow = was < kLowSignalBelow;
    const bool isLow = m_supplies.gsmSignal < kLowSignalBelow;
    if (wasLow != isLow)
        logEvent(isLow ? eventcode::kSignalLow : eventcode::kSignalRestored, eventuser::kNone);
}

void LiveModule::setBatteryTenths(int tenths)
{
    const int was = std::exchange(m_supplies.batteryTenths, tenths);
    const bool wasLow = was < kLowBatteryBelow;
    const bool isLow = tenths < kLowBatteryBelow;
    if (wasLow != isLow)
        logEvent(isLow ? eventcode::kBatteryLow : eventcode::kBatteryRestored, eventuser::kNone);
    if (!m_supplies.mains)
        m_supplies.terminalTenths = tenths;
}

void LiveModule::logEvent(std::uint8_t code, int number, std::uint8_t targets, std::uint8_t flags)
{
    m_events.log(eventRecord(code, number, m_clock.now(), targets, flags));
}

void LiveModule::clockWasSet()
{
    logEvent(eventcode::kClockSet, eventuser::kNone);
    queueMessage(text::kClockSet);
}

void LiveModule::parametersActivated()
{
    logEvent(eventcode::kProgrammed, eventuser::kInstaller, 0, recordflag::kCentralStation);
    queueMessage(text::kProgrammed);
}

QList<QString> LiveModule::takeMessages()
{
    return std::exchange(m_messages, {});
}

QString LiveModule::routineMessage(int turn) const
{
    switch (turn % text::kRoutineTexts) {
    case 0: return text::kSignal.arg(m_supplies.gsmSignal);
    case 1: return m_supplies.mains ? text::kMainsOk : text::kNoMains;
    case 2: return text::kBattery.arg(m_supplies.batteryTenths / 10).arg(m_supplies.batteryTenths % 10);
    default: return text::kTemperature.arg(m_supplies.temperature);
    }
}

void LiveModule::refreshOutputs()
{
    bool siren = false;
    for (int n = 1; n <= kInputs; ++n)
        if (m_sounding[std::size_t(n - 1)] && zoneByte(n, layout::kZoneSilent) != 1)
            siren = true;
    m_outputs.out1 = siren;
    m_outputs.out2 = siren;
    m_outputs.relays[0] = armed(1) || armed(2);
    m_outputs.relays[1] = alarmRunning();
}
