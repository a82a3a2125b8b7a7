#pragma once

#include "AlarmInput.h"
#include "EventCodes.h"
#include "EventMemory.h"
#include "ModuleClock.h"
#include "ModuleMemory.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

struct OutputStates
{
    bool out1 = false; // sirens, on while an alarm runs
    bool out2 = false;
    std::array<bool, 3> relays{}; // relay 1 follows "any partition armed"
    bool keypadOvercurrent = false;
    bool fixedOvercurrent = false;
    bool out1Overcurrent = false;
    bool out2Overcurrent = false;
};

struct Supplies
{
    bool mains = true;
    int terminalTenths = 138; // at the supply terminals: the charger while the mains is on
    int batteryTenths = 129;  // last measured battery voltage
    int temperature = 24;     // degrees Celsius
    int gsmSignal = 23;       // 0..31
};

// The module's live side: inputs, partitions, outputs, supplies, the event
// memory and the clock. Every change logs the events the module would log
// and queues the messages it would send; the zones' wiring, partitions and
// names come from the parameters in use.
class LiveModule
{
    enum class ZoneArming { Partition1, Partition2, Both, Always };

public:
    static constexpr int kInputs = 12;
    static constexpr int kPartitions = 2;

    explicit LiveModule(const ModuleMemory& parameters);

    // Inputs and partitions are numbered from 1.
    const AlarmInput& input(int n) const { return m_inputs.at(std::size_t(n - 1)); }
    // The zone's wiring byte, 0..3 (an unknown value reads as 0).
    int inputWiring(int n) const;
    // A 24-hour zone, watched whether armed or not.
    bool isAllDayZone(int n) const { return zoneArming(n) == ZoneArming::Always; }
    void tripInput(int n);
    void restoreInput(int n);
    void tamperInput(int n);
    void setRadioDetails(int n, int signal, bool lowBattery);

    bool armed(int partition) const { return m_armed.at(std::size_t(partition - 1)); }
    void arm(int partition, int user = eventuser::kInstaller);
    void disarm(int partition, int user = eventuser::kInstaller);
    bool alarmRunning() const;
    // Stops every running alarm: inputs in alarm return to rest, the sirens
    // stop, and reports still pending for the alarms are marked stopped.
    void stopAlarms();

    const OutputStates& outputs() const { return m_outputs; }
    OutputStates& outputs() { return m_outputs; }

    const Supplies& supplies() const { return m_supplies; }
    void setMains(bool on);
    void setGsmSignal(int signal);
    void setBatteryTenths(int tenths);
    void setTerminalTenths(int tenths) { m_supplies.terminalTenths = tenths; }
    void setTemperature(int celsius) { m_supplies.temperature = celsius; }

    EventMemory& events() { return m_events; }
    const EventMemory& events() const { return m_events; }
    ModuleClock& clock() { return m_clock; }
    const ModuleClock& clock() const { return m_clock; }
    // Logs an event at the clock's present time.
    void logEvent(std::uint8_t code, int number, std::uint8_t targets = 0, std::uint8_t flags = 0);

    // Events of the module's own: the clock was set, parameters written.
    void clockWasSet();
    void parametersActivated();

    // Free-text messages waiting to be sent, oldest first.
    void queueMessage(const QString& text) { m_messages.append(text); }
    QList<QString> takeMessages();
    // A message on the module's state; `turn` picks which one.
    QString routineMessage(int turn) const;

private:
    int zoneByte(int n, int field) const;
    ZoneArming zoneArming(int n) const;
    bool zoneArmed(int n) const;
    QString zoneText(int n) const;
    void setCondition(int n, InputCondition condition);
    void refreshOutputs();

    const ModuleMemory& m_parameters;
    std::array<AlarmInput, kInputs> m_inputs{};
    // Inputs whose alarm was logged and whose restore is still to be logged.
    std::array<bool, kInputs> m_alarmOpen{};
    // Inputs whose alarm runs until it is stopped or its zone disarmed.
    std::array<bool, kInputs> m_sounding{};
    std::array<bool, kPartitions> m_armed{};
    OutputStates m_outputs;
    Supplies m_supplies;
    EventMemory m_events;
    ModuleClock m_clock;
    QList<QString> m_messages;
};
