#pragma once

#include "link/WireWords.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <span>

// The 270-byte block frame in which the module's memory travels: 256 data
// bytes, 8 spare bytes, the block address and a 32-bit additive checksum.
namespace frame {

constexpr int kSize = 270;
constexpr int kDataSize = 256;
constexpr int kAddressHigh = 264;
constexpr int kAddressLow = 265;
constexpr int kChecksumAt = 266;
constexpr int kSummedBytes = 266;
constexpr int kHexDigits = 2 * kSize;

// A reply line: "RDFL" followed by the frame as 540 upper-case hex digits.
constexpr QByteArrayView kReplyToken = wire::kReadBlock;
constexpr int kReplyLineLength = int(kReplyToken.size()) + kHexDigits;

// Block addresses with a fixed meaning.
constexpr std::uint16_t kClockAddress = 0xFFFE;
constexpr std::uint16_t kVersionAddress = 0xFFFF;

} // namespace frame

using Frame = std::array<std::uint8_t, frame::kSize>;
using BlockData = std::span<const std::uint8_t, frame::kDataSize>;

// Sum over bytes 0-265: byte XOR index for the 256 data bytes, the plain byte
// for the ten that follow.
std::uint32_t frameChecksum(const Frame& f);

// The checksum as the module sends it (least significant byte first) and as
// the program sends it (most significant byte first).
std::uint32_t receivedChecksum(const Frame& f);
void storeChecksumMsbFirst(Frame& f);
// The module's own order, for code that stands in for the module.
void storeChecksumLsbFirst(Frame& f);

std::uint16_t frameAddress(const Frame& f);
void setFrameAddress(Frame& f, std::uint16_t address);

// The frame the program writes: data, eight zero bytes, the address and the
// checksum most significant byte first.
Frame BuildWriteFrame(BlockData data, std::uint16_t address);

// Value of one upper-case hexadecimal digit, or -1.
int upperHexValue(char c);
void appendHexByte(QByteArray& out, std::uint8_t byte);
QByteArray frameToHex(const Frame& f);

// Decodes the 270 bytes of a frame from its 540 upper-case hex digits into
// `buffer`, in order, stopping at the first pair that is not two digits.
// Returns how many bytes were replaced (270 when all were).
int decodeFrameHex(QByteArrayView digits, Frame& buffer);

enum class FrameDecode { Good, Bad };

// Decodes a reply line "RDFL" + 540 hex digits into `buffer`. A line of the
// wrong length leaves the buffer untouched; a non-digit stops the decoding
// with the bytes before it already replaced. Good only when the checksum
// carried least significant byte first matches.
FrameDecode decodeReplyFrame(QByteArrayView line, Frame& buffer);

// The request line for a block: "RDFL" and the address in four upper-case
// hex digits.
QByteArray readRequestLine(std::uint16_t address);
