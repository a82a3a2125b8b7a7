#include "monitor/StatusReport.h"

#include <cstdint>

namespace monitor {

namespace {

// Character positions in the line, "A" of "AT_[" at 0.
namespace at {
constexpr int kLoopFirst = 37;       // IN1..IN12, then A and B
constexpr int kArmingLoopFirst = 49;
constexpr int kTypeFirst = 52;       // IN1..IN12
constexpr int kTerminalVoltage = 66; // pair
constexpr int kOut1On = 69;
constexpr int kOut2On = 70;
constexpr int kRelayFirst = 71;
constexpr int kKeypadOvercurrent = 74;
constexpr int kFixedOvercurrent = 75;
constexpr int kOut1Overcurrent = 76;
constexpr int kOut2Overcurrent = 77;
constexpr int kPartitionFirst = 79;
constexpr int kGsmSignal = 82;
constexpr int kMains = 84;
constexpr int kBatteryVoltage = 86;  // pair
constexpr int kTemperature = 89;     // pair
constexpr std::array kSeparators = {36, 51, 65, 68, 78, 81};
} // namespace at

constexpr char kSeparator = ',';
constexpr char kClosing = ']';
constexpr char kFlagOn = '1';
constexpr char kNoMains = '0';
constexpr int kDigitBase = '0';

// Line length of each form; the index is the form number minus one.
constexpr std::array kFormLengths = {84, 86, 89, 92};
constexpr int kMainsForm = 2;
constexpr int kBatteryForm = 3;
constexpr int kTemperatureForm = 4;

// The temperature byte is sign and magnitude; 128 ("minus zero") means the
// module has no reading.
constexpr int kTemperatureSign = 128;
constexpr QStringView kDegrees = u" C°";

class ReportLine
{
public:
    explicit ReportLine(QByteArrayView line) : m_line(line) {}

    int code(int at) const { return std::uint8_t(m_line[at]); }
    bool flag(int at) const { return m_line[at] == kFlagOn; }
    int digit(int at) const { return code(at) - kDigitBase; }
    // 6- and 4-bit characters wrap modulo 64 and 16 (below "0" too).
    int twelveBits(int at) const { return (digit(at) & 0x3F) << 6 | (digit(at + 1) & 0x3F); }
    int eightBits(int at) const { return (digit(at) & 0x0F) << 4 | (digit(at + 1) & 0x0F); }

private:
    QByteArrayView m_line;
};

std::optional<int> formOfLength(qsizetype length)
{
    for (std::size_t i = 0; i < kFormLengths.size(); ++i)
        if (kFormLengths[i] == length)
            return int(i) + 1;
    return std::nullopt;
}

bool isFramed(QByteArrayView line)
{
    for (int at : at::kSeparators)
        if (line[at] != kSeparator)
            return false;
    return line.back() == kClosing;
}

ToneText outputText(bool overcurrent, bool on)
{
    if (overcurrent)
        return {QStringLiteral("Túláram"), Tone::Red};
    return on ? ToneText{QStringLiteral("12 V"), Tone::Green} : ToneText{QStringLiteral("0 V"), Tone::Black};
}

ToneText supplyText(bool overcurrent)
{
    return outputText(overcurrent, true);
}

ToneText relayText(bool on)
{
    return on ? ToneText{QStringLiteral("BE"), Tone::Green} : ToneText{QStringLiteral("KI"), Tone::Black};
}

ToneText partitionText(bool armed)
{
    return armed ? ToneText{QStringLiteral("Élesítve"), Tone::Red}
                 : ToneText{QStringLiteral("Kikapcsolva"), Tone::Green};
}

ToneText mainsText(const ReportLine& line, int form)
{
    if (form < kMainsForm)
        return {QStringLiteral("?"), Tone::Grey};
    return line.code(at::kMains) == kNoMains ? ToneText{QStringLiteral("0V"), Tone::Red}
                                             : ToneText{QStringLiteral("OK"), Tone::Green};
}

QString temperatureText(const ReportLine& line, int form)
{
    if (form < kTemperatureForm)
        return {};
    const int raw = line.eightBits(at::kTemperature);
    if (raw == kTemperatureSign)
        return {};
    const int celsius = raw > kTemperatureSign ? -(raw - kTemperatureSign) : raw;
    return QString::number(celsius).append(kDegrees);
}

} // namespace

std::optional<StatusReport> parseStatusReport(QByteArrayView bytes)
{
    const auto form = formOfLength(bytes.size());
    if (!form || !isFramed(bytes))
        return std::nullopt;
    const ReportLine line(bytes);

    StatusReport report;
    report.form = *form;
    for (int n = 0; n < kInputCount; ++n)
        report.inputs[std::size_t(n)] = inputDisplay(line.digit(at::kLoopFirst + n), line.digit(at::kTypeFirst + n));
    for (int k = 0; k < 2; ++k)
        report.armingInputLoops[std::size_t(k)] = wiredLoopText(line.digit(at::kArmingLoopFirst + k));

    report.voltages.terminalTenths = voltageTenths(line.twelveBits(at::kTerminalVoltage));
    if (*form >= kBatteryForm)
        report.voltages.batteryTenths = voltageTenths(line.twelveBits(at::kBatteryVoltage));

    for (int p = 0; p < 2; ++p)
        report.partitions[std::size_t(p)] = partitionText(line.flag(at::kPartitionFirst + p));
    report.outputs[0] = outputText(line.flag(at::kOut1Overcurrent), line.flag(at::kOut1On));
    report.outputs[1] = outputText(line.flag(at::kOut2Overcurrent), line.flag(at::kOut2On));
    report.keypadSupply = supplyText(line.flag(at::kKeypadOvercurrent));
    report.fixedSupply = supplyText(line.flag(at::kFixedOvercurrent));
    for (int r = 0; r < kRelayCount; ++r)
        report.relays[std::size_t(r)] = relayText(line.flag(at::kRelayFirst + r));

    report.gsmSignal = line.digit(at::kGsmSignal);
    report.mains = mainsText(line, *form);
    report.temperature = temperatureText(line, *form);
    return report;
}

} // namespace monitor
