#include "ModuleFrames.h"

#include <algorithm>

QByteArray blockReplyLine(BlockData data, std::uint16_t address, const FaultSwitches& faults)
{
    Frame f{};
    std::copy(data.begin(), data.end(), f.begin());
    // The wrong block number keeps the high byte and a checksum that fits it.
    const std::uint16_t sentAddress =
        faults.wrongBlock ? std::uint16_t((address & 0xFF00) | std::uint8_t(address + 1)) : address;
    setFrameAddress(f, sentAddress);
    storeChecksumLsbFirst(f);
    if (faults.badChecksum)
        f[frame::kChecksumAt] ^= 0xFF;
    return frame::kReplyToken.toByteArray() + frameToHex(f);
}

std::optional<Frame> parseWriteFrame(QByteArrayView hexLine)
{
    if (hexLine.size() != frame::kHexDigits)
        return std::nullopt;
    Frame f{};
    if (decodeFrameHex(hexLine, f) < frame::kSize)
        return std::nullopt;
    Frame expected = f;
    storeChecksumMsbFirst(expected);
    if (expected != f)
        return std::nullopt;
    return f;
}
