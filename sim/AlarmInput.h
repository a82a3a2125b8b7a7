#pragma once

// One of the module's twelve alarm inputs as the live module keeps it.
enum class InputCondition { Rest, Alarm, Tamper };

struct AlarmInput
{
    InputCondition condition = InputCondition::Rest;
    // Radio detectors only: signal level 0..2 and a low battery warning.
    int radioSignal = 2;
    bool radioLowBattery = false;
};

// The loop value the status report carries for an input of this wiring
// (the zone's wiring byte): a loop condition 0..3 for a wired input, the
// detector's bit field for a radio input.
int loopValue(int wiring, const AlarmInput& input);
