#include "HexText.h"

namespace hextext {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";
constexpr int kNibbleBits = 4;
} // namespace

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void appendByte(QByteArray& out, std::uint8_t byte)
{
    out.append(kDigits[byte >> kNibbleBits]).append(kDigits[byte & 0x0F]);
}

std::optional<std::uint32_t> number(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = digitValue(c);
        if (digit < 0)
            return std::nullopt;
        value = value << kNibbleBits | std::uint32_t(digit);
    }
    return value;
}

} // namespace hextext
