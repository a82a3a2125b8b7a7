#include "monitor/InputState.h"

#include <QStringView>

#include <array>

namespace monitor {

namespace {

enum class InputState { Rest, Alarm, Tamper, None };

constexpr std::array<QStringView, 4> kWiredLoopTexts = {u"Rövidzár", u"1k", u"2k", u"Szakadás"};
constexpr QStringView kUnknown = u".";

// A radio detector reports its loop as a bit field: bits 0-1 the detector
// state, bits 2-3 and 4-5 the A and B channel values, bits 6 and 7 a low
// battery warning for channel A and B.
constexpr int kRadioStateMask = 0x03;
constexpr int kRadioChannelAShift = 2;
constexpr int kRadioChannelBShift = 4;
constexpr int kRadioChannelMask = 0x03;
constexpr int kRadioChannelNoValue = 3;
constexpr int kRadioWarningA = 0x40;
constexpr int kRadioWarningB = 0x80;
constexpr QStringView kRadioWarning = u"V! ";
constexpr QStringView kRadioSeparator = u"  /  ";

InputState wiredState(int loop, int type)
{
    switch (type) {
    case wire::kActiveOnShort: return loop <= 1 ? InputState::Alarm : InputState::Rest;
    case wire::kActiveOnOpen: return loop <= 1 ? InputState::Rest : InputState::Alarm;
    case wire::kDoubleEndOfLine:
        switch (loop) {
        case 1: return InputState::Rest;
        case 2: return InputState::Alarm;
        case 0:
        case 3: return InputState::Tamper;
        default: return InputState::None;
        }
    default: return InputState::None;
    }
}

InputState radioState(int loop)
{
    switch (loop & kRadioStateMask) {
    case 1: return InputState::Rest;
    case 2: return InputState::Alarm;
    case 0: return InputState::Tamper;
    default: return InputState::None;
    }
}

ToneText stateText(InputState state)
{
    switch (state) {
    case InputState::Rest: return {QStringLiteral("Alaphelyzet"), Tone::Green};
    case InputState::Alarm: return {QStringLiteral("Riasztás"), Tone::Red};
    case InputState::Tamper: return {QStringLiteral("Szabotázs"), Tone::Red};
    case InputState::None: break;
    }
    return {kUnknown.toString(), Tone::Black};
}

QString radioChannelText(QStringView channel, int value, bool warning)
{
    QString text;
    if (warning)
        text += kRadioWarning;
    text += channel;
    const int twoBits = value & kRadioChannelMask;
    text += twoBits == kRadioChannelNoValue ? QStringLiteral("-") : QString::number(twoBits);
    return text;
}

QString radioLoopText(int loop)
{
    return radioChannelText(u"A", loop >> kRadioChannelAShift, (loop & kRadioWarningA) != 0)
        .append(kRadioSeparator)
        .append(radioChannelText(u"B", loop >> kRadioChannelBShift, (loop & kRadioWarningB) != 0));
}

} // namespace

QString wiredLoopText(int loop)
{
    return (loop >= 0 && loop < int(kWiredLoopTexts.size()) ? kWiredLoopTexts[std::size_t(loop)]
                                                             : kUnknown)
        .toString();
}

InputDisplay inputDisplay(int loop, int type)
{
    if (type != wire::kRadio)
        return {stateText(wiredState(loop, type)), wiredLoopText(loop), std::nullopt};
    const bool warning = (loop & (kRadioWarningA | kRadioWarningB)) != 0;
    return {stateText(radioState(loop)), radioLoopText(loop), warning ? Tone::Red : Tone::Black};
}

} // namespace monitor
