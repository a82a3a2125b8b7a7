#include "maint/FirmwareFrames.h"

#include "FirmwareKeyTable.h"

#include <algorithm>

namespace firmware {

namespace {

constexpr int kKeyRange = 256;
constexpr int kStartRange = 16;
constexpr int kGroupCheckSize = 2;

void storeMsbFirst16(Frame& f, int at, std::uint16_t value)
{
    f[std::size_t(at)] = std::uint8_t(value >> 8);
    f[std::size_t(at) + 1] = std::uint8_t(value & 0xFF);
}

void writeRecord(Frame& f, int slot, const FirmwareLine& line, int lineNumber)
{
    std::array<std::uint8_t, kDataBytes> data = line.data;
    applyKeyStream(data, line.seed % kStartRange, line.seed / kStartRange);
    applyKeyStream(data, lineNumber % kStartRange, (lineNumber / kStartRange) % kStartRange);
    auto* record = f.data() + std::ptrdiff_t(slot) * kRecordSize;
    record[0] = line.header0;
    record[1] = line.header1;
    std::copy(data.begin(), data.end(), record + 2);
}

} // namespace

void applyKeyStream(std::array<std::uint8_t, kDataBytes>& bytes, int start, int stride)
{
    int k = start;
    for (int m = 0; m < kDataBytes; ++m) {
        k = (k + m + 3 + stride) % kKeyRange;
        bytes[std::size_t(m)] ^= kKeyTable[std::size_t(k) % kKeyTable.size()];
    }
}

FirmwareImage BuildFirmwareFrames(const FirmwareLines& lines)
{
    FirmwareImage image;
    const int lineCount = std::min<int>(int(lines.size()), kMaxLines);
    const int frameCount = (lineCount + kLinesPerFrame - 1) / kLinesPerFrame;
    Frame blank{};
    std::fill_n(blank.begin(), kLinesPerFrame * kRecordSize, kPadding);
    image.frames.assign(std::size_t(frameCount), blank);
    for (int i = 0; i < lineCount; ++i)
        writeRecord(image.frames[std::size_t(i / kLinesPerFrame)], i % kLinesPerFrame, lines[std::size_t(i)], i);

    std::uint32_t groupSum = 0;
    for (int f = 0; f < frameCount; ++f) {
        Frame& data = image.frames[std::size_t(f)];
        setFrameAddress(data, std::uint16_t(kFirstFrameAddress + f));
        storeChecksumMsbFirst(data);
        groupSum += frameChecksum(data);
        if (f % kFramesPerGroup == kFramesPerGroup - 1 || f == frameCount - 1) {
            storeMsbFirst16(image.control, kGroupCheckSize * (f / kFramesPerGroup), std::uint16_t(groupSum));
            groupSum = 0;
        }
    }
    storeMsbFirst16(image.control, kFrameCountAt, std::uint16_t(frameCount));
    std::copy_n(kControlMark, sizeof kControlMark - 1, image.control.begin() + kControlMarkAt);
    setFrameAddress(image.control, kControlAddress);
    storeChecksumMsbFirst(image.control);
    return image;
}

} // namespace firmware
