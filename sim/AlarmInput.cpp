#include "AlarmInput.h"

#include "ParameterMemory.h"

#include <algorithm>

namespace {

// Wired loop conditions: short circuit, 1k, 2k, open circuit.
namespace loop {
constexpr int kShort = 0;
constexpr int kOneK = 1;
constexpr int kTwoK = 2;
constexpr int kOpen = 3;
} // namespace loop

// The radio bit field: bits 0-1 state, 2-3 channel A, 4-5 channel B, 6 the
// low battery warning of channel A. The detectors here have one channel, so
// B is "no value".
namespace radio {
constexpr int kTamper = 0;
constexpr int kRest = 1;
constexpr int kAlarm = 2;
constexpr int kChannelAShift = 2;
constexpr int kChannelBShift = 4;
constexpr int kNoValue = 3;
constexpr int kHighestSignal = 2;
constexpr int kLowBatteryA = 0x40;
} // namespace radio

int wiredLoop(int wiring, InputCondition condition)
{
    switch (wiring) {
    case layout::wiring::kActiveOnOpen:
        return condition == InputCondition::Rest ? loop::kOneK : loop::kOpen;
    case layout::wiring::kDoubleEndOfLine:
        switch (condition) {
        case InputCondition::Rest: return loop::kOneK;
        case InputCondition::Alarm: return loop::kTwoK;
        case InputCondition::Tamper: return loop::kOpen;
        }
        break;
    default:
        break;
    }
    return condition == InputCondition::Rest ? loop::kTwoK : loop::kShort;
}

int radioLoop(const AlarmInput& input)
{
    int state = radio::kRest;
    if (input.condition == InputCondition::Alarm)
        state = radio::kAlarm;
    else if (input.condition == InputCondition::Tamper)
        state = radio::kTamper;
    const int signal = std::clamp(input.radioSignal, 0, radio::kHighestSignal);
    return state | signal << radio::kChannelAShift | radio::kNoValue << radio::kChannelBShift
        | (input.radioLowBattery ? radio::kLowBatteryA : 0);
}

} // namespace

int loopValue(int wiring, const AlarmInput& input)
{
    return wiring == layout::wiring::kRadio ? radioLoop(input) : wiredLoop(wiring, input.condition);
}
