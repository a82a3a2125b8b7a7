#include "link/BlockFrame.h"

#include <algorithm>

namespace {
constexpr char kHexDigitChars[] = "0123456789ABCDEF";
}

std::uint32_t frameChecksum(const Frame& f)
{
    std::uint32_t sum = 0;
    for (int i = 0; i < frame::kSummedBytes; ++i)
        sum += i < frame::kDataSize ? std::uint32_t(f[i] ^ std::uint8_t(i)) : std::uint32_t(f[i]);
    return sum;
}

std::uint32_t receivedChecksum(const Frame& f)
{
    const int c = frame::kChecksumAt;
    return std::uint32_t(f[c]) | std::uint32_t(f[c + 1]) << 8 | std::uint32_t(f[c + 2]) << 16
        | std::uint32_t(f[c + 3]) << 24;
}

void storeChecksumMsbFirst(Frame& f)
{
    const std::uint32_t sum = frameChecksum(f);
    for (int k = 0; k < 4; ++k)
        f[frame::kChecksumAt + k] = std::uint8_t(sum >> (8 * (3 - k)));
}

void storeChecksumLsbFirst(Frame& f)
{
    const std::uint32_t sum = frameChecksum(f);
    for (int k = 0; k < 4; ++k)
        f[frame::kChecksumAt + k] = std::uint8_t(sum >> (8 * k));
}

std::uint16_t frameAddress(const Frame& f)
{
    return std::uint16_t(f[frame::kAddressHigh] << 8 | f[frame::kAddressLow]);
}

void setFrameAddress(Frame& f, std::uint16_t address)
{
    f[frame::kAddressHigh] = std::uint8_t(address >> 8);
    f[frame::kAddressLow] = std::uint8_t(address & 0xFF);
}

Frame BuildWriteFrame(BlockData data, std::uint16_t address)
{
    Frame f{};
    std::copy(data.begin(), data.end(), f.begin());
    setFrameAddress(f, address);
    storeChecksumMsbFirst(f);
    return f;
}

int upperHexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendHexByte(QByteArray& out, std::uint8_t byte)
{
    out.append(kHexDigitChars[byte >> 4]);
    out.append(kHexDigitChars[byte & 0x0F]);
}

QByteArray frameToHex(const Frame& f)
{
    QByteArray hex;
    hex.reserve(frame::kHexDigits);
    for (std::uint8_t b : f)
        appendHexByte(hex, b);
    return hex;
}

int decodeFrameHex(QByteArrayView digits, Frame& buffer)
{
    for (int i = 0; i < frame::kSize && 2 * i + 1 < digits.size(); ++i) {
        const int high = upperHexValue(digits[2 * i]);
        const int low = upperHexValue(digits[2 * i + 1]);
        if (high < 0 || low < 0)
            return i;
        buffer[i] = std::uint8_t(16 * high + low);
    }
    return std::min<int>(frame::kSize, int(digits.size() / 2));
}

FrameDecode decodeReplyFrame(QByteArrayView line, Frame& buffer)
{
    if (line.size() != frame::kReplyLineLength)
        return FrameDecode::Bad;
    if (decodeFrameHex(line.sliced(frame::kReplyToken.size()), buffer) < frame::kSize)
        return FrameDecode::Bad;
    return frameChecksum(buffer) == receivedChecksum(buffer) ? FrameDecode::Good : FrameDecode::Bad;
}

QByteArray readRequestLine(std::uint16_t address)
{
    QByteArray line = frame::kReplyToken.toByteArray();
    appendHexByte(line, std::uint8_t(address >> 8));
    appendHexByte(line, std::uint8_t(address & 0xFF));
    return line;
}
