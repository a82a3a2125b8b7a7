#pragma once

#include "maint/FirmwareFile.h"

#include "link/BlockFrame.h"

#include <cstdint>
#include <vector>

// The firmware as it travels: four records of 66 bytes in each 270-byte
// frame at block addresses from 33 on, and a control block at 545 with the
// frame count, "FIRMW." and a 16-bit check value for every group of four
// frames, on which the module checks the whole firmware.
namespace firmware {

constexpr int kRecordSize = 66;
constexpr int kLinesPerFrame = 4;
constexpr int kMaxFrames = kMaxLines / kLinesPerFrame;
constexpr int kFramesPerGroup = 4;
constexpr std::uint16_t kFirstFrameAddress = 33;
constexpr std::uint16_t kControlAddress = kFirstFrameAddress + kMaxFrames;
constexpr std::uint8_t kPadding = 0xFF;

// Control block layout.
constexpr int kFrameCountAt = 256;
constexpr int kControlMarkAt = 258;
inline constexpr char kControlMark[] = "FIRMW.";

struct FirmwareImage
{
    std::vector<Frame> frames;
    Frame control{};

    int frameCount() const { return int(frames.size()); }
};

// Runs a key stream over `bytes`: the index starts at `start` and advances by
// m + 3 + `stride` before byte m, which is XORed with the key at the index
// modulo 8. The file's stream starts at seed mod 16 with stride seed div 16;
// the transfer's at the line number mod 16 with stride (line div 16) mod 16.
void applyKeyStream(std::array<std::uint8_t, kDataBytes>& bytes, int start, int stride);

// Deciphers every line with its file key stream, enciphers it with the
// transfer key stream of its line number, and builds the frames and the
// control block.
FirmwareImage BuildFirmwareFrames(const FirmwareLines& lines);

} // namespace firmware
