#pragma once

#include "FaultSwitches.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <optional>

// Block frames as the module sends and checks them: 270 bytes, 256 data
// bytes, eight spare bytes, the block address (high byte at 264, low at 265)
// and a 32-bit additive checksum in bytes 266-269. On the line a frame is
// 540 upper-case hex digits.
namespace moduleframe {

constexpr int kSize = 270;
constexpr int kDataSize = 256;
constexpr int kAddressHigh = 264;
constexpr int kAddressLow = 265;
constexpr int kChecksumAt = 266;
constexpr int kHexDigits = 2 * kSize;

// Addresses outside the parameter memory.
constexpr std::uint16_t kFirstEventBlock = 0xF000;
constexpr std::uint16_t kClockAddress = 0xFFFE;
constexpr std::uint16_t kVersionAddress = 0xFFFF;

using Bytes = std::array<std::uint8_t, kSize>;

// The sum over bytes 0-265 of byte XOR index for the data bytes and of the
// plain byte for the ten that follow.
std::uint32_t checksum(const Bytes& frame);

} // namespace moduleframe

using BlockBytes = std::array<std::uint8_t, moduleframe::kDataSize>;

// The reply to a block read: "RDFL" and the frame of `data` at `address` in
// hex, checksum least significant byte first. The wrong-block and
// bad-checksum switches spoil the frame on purpose.
QByteArray blockReplyLine(const BlockBytes& data, std::uint16_t address, const FaultSwitches& faults);

struct WrittenBlock
{
    std::uint16_t address = 0;
    BlockBytes data{};
};

// The block in the line that follows "WRFL", when the line is exactly 540
// upper-case hex digits and carries its checksum most significant byte first.
std::optional<WrittenBlock> parseWriteFrame(QByteArrayView hexLine);
