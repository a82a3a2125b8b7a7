#include "FirmwareReceiver.h"

#include "FirmwareCipher.h"

#include <algorithm>
#include <span>
#include <utility>

namespace {

const QByteArray kAcknowledged = "WROK";
const QByteArray kRefused = "WRFLERR";
const QByteArray kConfirmed = "FIRMWAREOK";
constexpr QByteArrayView kControlMark = "FIRMW.";

constexpr int kDataBytes = 256;
constexpr int kSummedBytes = 266;
constexpr int kAddressAt = 264;
constexpr int kChecksumAt = 266;
constexpr int kFrameCountAt = 256;
constexpr int kControlMarkAt = 258;
constexpr int kGroupSize = 4;
constexpr int kRecordSize = simfirmware::kRecordSize;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Exactly 540 upper-case hex digits.
std::optional<FirmwareReceiver::RawFrame> decodeFrame(QByteArrayView hex)
{
    if (hex.size() != 2 * FirmwareReceiver::kFrameSize)
        return std::nullopt;
    FirmwareReceiver::RawFrame frame{};
    for (int i = 0; i < FirmwareReceiver::kFrameSize; ++i) {
        const int high = hexValue(hex[2 * i]);
        const int low = hexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        frame[std::size_t(i)] = std::uint8_t(high << 4 | low);
    }
    return frame;
}

std::uint32_t wordAt(const FirmwareReceiver::RawFrame& f, int at, int bytes)
{
    std::uint32_t value = 0;
    for (int k = 0; k < bytes; ++k)
        value = value << 8 | f[std::size_t(at + k)];
    return value;
}

std::uint32_t sumOf(const FirmwareReceiver::RawFrame& f)
{
    std::uint32_t sum = 0;
    for (int i = 0; i < kSummedBytes; ++i)
        sum += i < kDataBytes ? std::uint32_t(f[std::size_t(i)] ^ i) : f[std::size_t(i)];
    return sum;
}

bool checksumHolds(const FirmwareReceiver::RawFrame& f)
{
    return wordAt(f, kChecksumAt, 4) == sumOf(f);
}

} // namespace

FirmwareReceiver::Answer FirmwareReceiver::take(QByteArrayView hexLine, const FaultSwitches& faults)
{
    const std::optional<RawFrame> frame = decodeFrame(hexLine);
    if (!frame)
        return {};
    const auto address = std::uint16_t(wordAt(*frame, kAddressAt, 2));
    if (address < kFirstAddress || address > kControlAddress)
        return {};
    if (!checksumHolds(*frame))
        return {true, kRefused};
    if (address == kControlAddress) {
        if (faults.refuseFirmware || !controlAgrees(*frame))
            return {true, {}};
        std::fill(m_frames.begin(), m_frames.end(), std::nullopt);
        m_restartEnds.setRemainingTime(m_restartMs);
        return {true, kConfirmed, true};
    }
    const int index = address - kFirstAddress;
    if (faults.nakFirmwareFrame == index)
        return {true, {}};
    if (faults.nakFirmwareOnce == index && !std::exchange(m_ignoredOnce, true))
        return {true, {}};
    m_frames[std::size_t(index)] = *frame;
    return {true, kAcknowledged};
}

bool FirmwareReceiver::controlAgrees(const RawFrame& control) const
{
    if (QByteArrayView(reinterpret_cast<const char*>(control.data()) + kControlMarkAt, kControlMark.size())
        != kControlMark)
        return false;
    const int count = int(wordAt(control, kFrameCountAt, 2));
    if (count < 1 || count > kMaxFrames)
        return false;
    for (int group = 0; group < kMaxFrames / kGroupSize; ++group) {
        std::uint32_t sum = 0;
        for (int f = group * kGroupSize; f < std::min(count, (group + 1) * kGroupSize); ++f) {
            const std::optional<RawFrame>& held = m_frames[std::size_t(f)];
            if (!held)
                return false;
            sum += wordAt(*held, kChecksumAt, 4);
        }
        if (wordAt(control, 2 * group, 2) != (sum & 0xFFFF))
            return false;
    }
    return true;
}

int FirmwareReceiver::framesHeld() const
{
    return int(std::count_if(m_frames.begin(), m_frames.end(), [](const auto& f) { return f.has_value(); }));
}

std::optional<simfirmware::Record> FirmwareReceiver::record(int line) const
{
    if (line < 0 || line >= kMaxFrames * kLinesPerFrame)
        return std::nullopt;
    const std::optional<RawFrame>& held = m_frames[std::size_t(line / kLinesPerFrame)];
    if (!held)
        return std::nullopt;
    simfirmware::Record record{};
    std::copy_n(held->begin() + (line % kLinesPerFrame) * kRecordSize, kRecordSize, record.begin());
    simfirmware::runLineStream(std::span(record).subspan(2), line);
    return record;
}
