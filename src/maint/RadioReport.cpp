#include "maint/RadioReport.h"

#include "link/BlockFrame.h"
#include "link/WireWords.h"

namespace maint {

namespace {

constexpr int kReportBytes = 40;
constexpr int kTeachByte = 36;
constexpr int kSignalByte = 37;
constexpr std::uint8_t kTeachInProgress = 0x80;
constexpr std::uint8_t kTeachSlotMask = 0x7F;
constexpr qsizetype kPrefixLength = wire::kRadioReport.size();
constexpr qsizetype kTerminatorAt = kPrefixLength + 2 * kReportBytes; // 0-based: the 85th character
constexpr char kTerminator = '>';

std::uint8_t hexPair(QByteArrayView line, qsizetype at)
{
    const int high = upperHexValue(line[at]);
    const int low = upperHexValue(line[at + 1]);
    return high < 0 || low < 0 ? 0 : std::uint8_t(high << 4 | low);
}

} // namespace

std::optional<RadioReport> DecodeRadioReport(QByteArrayView line)
{
    if (line.size() <= kTerminatorAt || line[kTerminatorAt] != kTerminator)
        return std::nullopt;
    std::array<std::uint8_t, kReportBytes> bytes{};
    for (int k = 0; k < kReportBytes; ++k)
        bytes[std::size_t(k)] = hexPair(line, kPrefixLength + 2 * k);

    // The module's own teaching bits are dropped: only byte 36 names the slot.
    RadioReport report;
    for (int n = 0; n < kRadioSlots; ++n)
        report.states[std::size_t(n)] = bytes[std::size_t(n)] & std::uint8_t(~slotbit::kTeaching);
    const std::uint8_t teach = bytes[kTeachByte];
    const int taught = teach & kTeachSlotMask;
    if ((teach & kTeachInProgress) && taught < kRadioSlots)
        report.states[std::size_t(taught)] |= slotbit::kTeaching;
    report.signalStrength = bytes[kSignalByte];
    return report;
}

} // namespace maint
