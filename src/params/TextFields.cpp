#include "params/TextFields.h"

#include "link/Commands.h"
#include "link/Cp1250.h"
#include "params/HexDigit.h"

#include <QByteArray>

#include <algorithm>

namespace params {

namespace {
constexpr std::uint8_t kSkippedLow = 0x00;
constexpr std::uint8_t kSkippedHigh = 0xFF;
constexpr char kPadding = ' ';
} // namespace

QString ReadText(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::Text);
    QByteArray kept;
    for (const std::uint8_t byte : image.range(field.offset, field.size))
        if (byte != kSkippedLow && byte != kSkippedHigh)
            kept.append(char(byte));
    QString text = fromCp1250(kept);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(kPadding))
        --end;
    text.truncate(end);
    return text;
}

void WriteText(ParameterImage& image, const FieldRef& field, QStringView text)
{
    Q_ASSERT(field.encoding == Encoding::Text);
    // toCp1250 gives one byte per character, so cutting bytes cuts characters.
    const QByteArray bytes = toCp1250(text).leftJustified(field.size, kPadding, true);
    std::copy(bytes.cbegin(), bytes.cend(), image.range(field.offset, field.size).begin());
}

QString ReadCode(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::Code);
    QString text;
    for (const std::uint8_t byte : image.range(field.offset, field.size))
        for (const int nibble : {byte >> 4, byte & 0x0F})
            if (nibble != 0)
                text.append(QLatin1Char(hexDigitChar(15 - nibble)));
    return text.isEmpty() ? kNoCodeText : text;
}

void WriteCode(ParameterImage& image, const FieldRef& field, const QString& text)
{
    Q_ASSERT(field.encoding == Encoding::Code);
    // The same six nibbles that every command carries, two to a byte.
    const QByteArray bytes = QByteArray::fromHex(encodeInstallerCode(text));
    Q_ASSERT(bytes.size() == field.size);
    std::copy(bytes.cbegin(), bytes.cend(), image.range(field.offset, field.size).begin());
}

} // namespace params
