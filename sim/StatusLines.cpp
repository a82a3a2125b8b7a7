#include "StatusLines.h"

#include "CodePage.h"
#include "HexText.h"
#include "Wire.h"

#include <algorithm>
#include <cstdlib>

namespace statusline {

namespace {

constexpr char kSeparator = ',';
constexpr char kClosing = ']';
constexpr char kOn = '1';
constexpr char kOff = '0';
constexpr char kNoMains = '0';
constexpr char kDigitBase = '0';
constexpr int kSpareLength = 32;     // after the prefix, not read by the program
constexpr char kSpare = '0';
constexpr int kArmingInputLoop = 1;  // the A and B key switches at rest: "1k"

constexpr int kSixBits = 6;
constexpr int kSixBitMask = 0x3F;
constexpr int kFourBits = 4;
constexpr int kFourBitMask = 0x0F;
constexpr int kTwelveBitMax = 0xFFF;

// t = trunc((10 raw - 3600) / 61) + 59
constexpr int kScaledOffset = 3600;
constexpr int kScaleDivisor = 61;
constexpr int kTenthsOffset = 59;
constexpr int kHighestTenths = (10 * kTwelveBitMax - kScaledOffset) / kScaleDivisor + kTenthsOffset;

constexpr int kNegativeTemperature = 128;
constexpr int kMainsForm = 2;
constexpr int kBatteryForm = 3;
constexpr int kTemperatureForm = 4;

char flag(bool on)
{
    return on ? kOn : kOff;
}

void appendPair(QByteArray& line, const std::array<char, 2>& pair)
{
    line.append(pair[0]).append(pair[1]);
}

// Every longer form goes on with a character the program does not read.
void endOrGoOn(QByteArray& line, int form, int lastFieldForm)
{
    line.append(form == lastFieldForm ? kClosing : kSeparator);
}

} // namespace

char digitChar(int value)
{
    return char(kDigitBase + value);
}

std::array<char, 2> sixBitPair(int raw)
{
    return {digitChar(raw >> kSixBits & kSixBitMask), digitChar(raw & kSixBitMask)};
}

std::array<char, 2> fourBitPair(int value)
{
    return {digitChar(value >> kFourBits & kFourBitMask), digitChar(value & kFourBitMask)};
}

int rawForTenths(int tenths)
{
    const int t = std::clamp(tenths, kTenthsOffset, kHighestTenths);
    // The smallest raw with 10 raw - 3600 >= 61 (t - 59), the numerator
    // never negative here.
    return (kScaleDivisor * (t - kTenthsOffset) + kScaledOffset + 9) / 10;
}

int temperatureByte(int celsius)
{
    const int magnitude = std::min(std::abs(celsius), kNegativeTemperature - 1);
    return celsius < 0 ? kNegativeTemperature + magnitude : magnitude;
}

QByteArray reportLine(const LiveModule& module, int form)
{
    Q_ASSERT(form >= kFirstForm && form <= kLastForm);
    const OutputStates& out = module.outputs();
    const Supplies& supplies = module.supplies();

    QByteArray line = simwire::kStatusReport.toByteArray();
    line.append(kSpareLength, kSpare).append(kSeparator);
    for (int n = 1; n <= LiveModule::kInputs; ++n)
        line.append(digitChar(loopValue(module.inputWiring(n), module.input(n))));
    line.append(digitChar(kArmingInputLoop)).append(digitChar(kArmingInputLoop)).append(kSeparator);
    for (int n = 1; n <= LiveModule::kInputs; ++n)
        line.append(digitChar(module.inputWiring(n)));
    line.append(kSpare).append(kSeparator);
    appendPair(line, sixBitPair(rawForTenths(supplies.terminalTenths)));
    line.append(kSeparator);
    for (bool on : {out.out1, out.out2, out.relays[0], out.relays[1], out.relays[2], out.keypadOvercurrent,
                    out.fixedOvercurrent, out.out1Overcurrent, out.out2Overcurrent})
        line.append(flag(on));
    line.append(kSeparator).append(flag(module.armed(1))).append(flag(module.armed(2))).append(kSeparator);
    line.append(digitChar(supplies.gsmSignal));
    endOrGoOn(line, form, kMainsForm - 1);
    if (form >= kMainsForm) {
        line.append(supplies.mains ? kOn : kNoMains);
        endOrGoOn(line, form, kMainsForm);
    }
    if (form >= kBatteryForm) {
        appendPair(line, sixBitPair(rawForTenths(supplies.batteryTenths)));
        endOrGoOn(line, form, kBatteryForm);
    }
    if (form >= kTemperatureForm) {
        appendPair(line, fourBitPair(temperatureByte(supplies.temperature)));
        line.append(kClosing);
    }
    Q_ASSERT(line.size() == kFormLengths[std::size_t(form - 1)]);
    return line;
}

QByteArray lastEventsLine(const EventMemory& events)
{
    QByteArray line = simwire::kLastEvents.toByteArray();
    for (const LoggedEvent& record : events.newest(kLastEvents))
        for (std::uint8_t byte : record.bytes)
            hextext::appendByte(line, byte);
    return line;
}

QByteArray messageLine(const QString& text)
{
    return simwire::kMessage.toByteArray() + codepage::encode(text);
}

} // namespace statusline
