#include "ParameterMemory.h"

#include "CodePage.h"
#include "HexText.h"

#include <algorithm>

namespace {
constexpr int kCodeDigits = 2 * layout::kCodeBytes;
constexpr int kHighestNibble = 15;
constexpr std::uint8_t kBlank = 0x20;
} // namespace

BlockBytes memoryBlock(const ParameterMemory& mem, int block)
{
    BlockBytes data{};
    std::copy_n(mem.begin() + block * memory::kBlockSize, memory::kBlockSize, data.begin());
    return data;
}

std::array<std::uint8_t, layout::kCodeBytes> encodeCode(const QString& digits)
{
    std::array<std::uint8_t, layout::kCodeBytes> bytes{};
    for (int p = 0; p < kCodeDigits; ++p) {
        const bool digit = p < digits.size() && digits.at(p) >= u'0' && digits.at(p) <= u'9';
        const int nibble = digit ? kHighestNibble - (digits.at(p).unicode() - u'0') : 0;
        bytes[std::size_t(p / 2)] |= std::uint8_t(p % 2 == 0 ? nibble << 4 : nibble);
    }
    return bytes;
}

void storeInstallerCode(ParameterMemory& mem, const QString& digits)
{
    const auto bytes = encodeCode(digits);
    std::copy(bytes.begin(), bytes.end(), mem.begin() + layout::kInstallerCode);
}

QByteArray installerCodeText(const ParameterMemory& mem)
{
    QByteArray text;
    for (int i = 0; i < layout::kCodeBytes; ++i)
        hextext::appendByte(text, mem[std::size_t(layout::kInstallerCode + i)]);
    return text;
}

void storeText(ParameterMemory& mem, int offset, int length, const QString& text)
{
    const QByteArray bytes = codepage::encode(text).left(length);
    auto at = mem.begin() + offset;
    std::fill_n(at, length, kBlank);
    std::copy(bytes.begin(), bytes.end(), at);
}

QString readText(const ParameterMemory& mem, int offset, int length)
{
    QByteArray bytes;
    for (int i = offset; i < offset + length; ++i)
        if (mem[std::size_t(i)] != 0)
            bytes.append(char(mem[std::size_t(i)]));
    QString text = codepage::decode(bytes);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}
