#include "ModuleFrames.h"

#include "HexText.h"
#include "Wire.h"

#include <algorithm>

namespace moduleframe {

namespace {
constexpr int kSummedBytes = 266;
constexpr int kChecksumBytes = 4;
constexpr int kByteBits = 8;
} // namespace

std::uint32_t checksum(const Bytes& frame)
{
    std::uint32_t sum = 0;
    for (int i = 0; i < kSummedBytes; ++i)
        sum += i < kDataSize ? std::uint32_t(frame[std::size_t(i)] ^ i) : frame[std::size_t(i)];
    return sum;
}

} // namespace moduleframe

using namespace moduleframe;

QByteArray blockReplyLine(const BlockBytes& data, std::uint16_t address, const FaultSwitches& faults)
{
    Bytes f{};
    std::copy(data.begin(), data.end(), f.begin());
    // The wrong block number keeps the high byte and a checksum that fits it.
    f[kAddressHigh] = std::uint8_t(address >> kByteBits);
    f[kAddressLow] = std::uint8_t(faults.wrongBlock ? address + 1 : address);
    std::uint32_t sum = checksum(f);
    if (faults.badChecksum)
        sum ^= 0xFF;
    for (int i = 0; i < kChecksumBytes; ++i)
        f[std::size_t(kChecksumAt + i)] = std::uint8_t(sum >> (kByteBits * i));

    QByteArray line = simwire::kReadBlock.toByteArray();
    line.reserve(line.size() + kHexDigits);
    for (std::uint8_t byte : f)
        hextext::appendByte(line, byte);
    return line;
}

std::optional<WrittenBlock> parseWriteFrame(QByteArrayView hexLine)
{
    if (hexLine.size() != kHexDigits)
        return std::nullopt;
    Bytes f{};
    for (int i = 0; i < kSize; ++i) {
        const int high = hextext::digitValue(hexLine[2 * i]);
        const int low = hextext::digitValue(hexLine[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        f[std::size_t(i)] = std::uint8_t(high << 4 | low);
    }
    std::uint32_t carried = 0;
    for (int i = 0; i < kChecksumBytes; ++i)
        carried = carried << kByteBits | f[std::size_t(kChecksumAt + i)];
    if (carried != checksum(f))
        return std::nullopt;
    WrittenBlock block;
    block.address = std::uint16_t(f[kAddressHigh] << kByteBits | f[kAddressLow]);
    std::copy_n(f.begin(), kDataSize, block.data.begin());
    return block;
}
