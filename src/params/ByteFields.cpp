#include "params/ByteFields.h"

#include <algorithm>
#include <cstddef>

namespace params {

namespace {

constexpr std::uint8_t kNoSelectionByte = 0xFF;
constexpr int kNoSelectionNibble = 0x0F;
constexpr int kNibbleBits = 4;

// Character positions of "HH:MM".
constexpr qsizetype kHourTens = 0;
constexpr qsizetype kHourOnes = 1;
constexpr qsizetype kMinuteTens = 3;
constexpr qsizetype kMinuteOnes = 4;

int clampToRange(int value, Range range)
{
    return std::clamp(value, range.min, range.max);
}

int listIndex(int value, Range range)
{
    return range.contains(value) ? value : kNoSelection;
}

// A position left blank in the entry, or missing, is no digit: it counts as
// "0", so " 7:05" is seven o'clock and not (0x20 − 0x30)·10 + 7 cut to a byte.
char16_t digitAt(QStringView text, qsizetype position)
{
    const char16_t c = position < text.size() ? text.at(position).unicode() : u' ';
    return c == u' ' ? u'0' : c;
}

std::uint8_t typedNumber(QStringView text, qsizetype tens, qsizetype ones)
{
    return std::uint8_t((digitAt(text, tens) - u'0') * 10 + (digitAt(text, ones) - u'0'));
}

void putTwoDigits(QString& text, qsizetype tens, int value)
{
    text[tens] = QLatin1Char(char('0' + value / 10));
    text[tens + 1] = QLatin1Char(char('0' + value % 10));
}

int buttonNibble(int index, Range range)
{
    return range.contains(index) ? index : kNoSelectionNibble;
}

} // namespace

int ReadByteField(const ParameterImage& image, const FieldRef& field)
{
    const int value = image.at(field.offset);
    switch (field.encoding) {
    case Encoding::Number:
        return clampToRange(value, field.range);
    case Encoding::Choice:
        return listIndex(value, field.range);
    default:
        Q_ASSERT_X(false, "ReadByteField", "not a number or list field");
        return value;
    }
}

void WriteByteField(ParameterImage& image, const FieldRef& field, int value)
{
    switch (field.encoding) {
    case Encoding::Number:
        image.set(field.offset, std::uint8_t(clampToRange(value, field.range)));
        break;
    case Encoding::Choice:
        image.set(field.offset, field.range.contains(value) ? std::uint8_t(value) : kNoSelectionByte);
        break;
    default:
        Q_ASSERT_X(false, "WriteByteField", "not a number or list field");
    }
}

QString ReadTestTime(const ParameterImage& image)
{
    const FieldRef hour = fieldRef(Field::TestHour);
    const FieldRef minute = fieldRef(Field::TestMinute);
    QString text = QStringLiteral("00:00");
    putTwoDigits(text, kHourTens, clampToRange(image.at(hour.offset), hour.range));
    putTwoDigits(text, kMinuteTens, clampToRange(image.at(minute.offset), minute.range));
    return text;
}

void WriteTestTime(ParameterImage& image, QStringView text)
{
    image.set(offsetOf(Field::TestHour), typedNumber(text, kHourTens, kHourOnes));
    image.set(offsetOf(Field::TestMinute), typedNumber(text, kMinuteTens, kMinuteOnes));
}

RemoteButtons ReadRemoteButtons(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::ButtonPair && field.size == kButtonPairBytes);
    RemoteButtons buttons{};
    for (int i = 0; i < kRemoteButtons; ++i) {
        const std::uint8_t byte = image.at(field.offset + i / 2);
        const int nibble = i % 2 == 0 ? byte >> kNibbleBits : byte & 0x0F;
        buttons[std::size_t(i)] = listIndex(nibble, field.range);
    }
    return buttons;
}

void WriteRemoteButtons(ParameterImage& image, const FieldRef& field, const RemoteButtons& buttons)
{
    Q_ASSERT(field.encoding == Encoding::ButtonPair && field.size == kButtonPairBytes);
    for (int byte = 0; byte < kButtonPairBytes; ++byte) {
        const int high = buttonNibble(buttons[std::size_t(2 * byte)], field.range);
        const int low = buttonNibble(buttons[std::size_t(2 * byte + 1)], field.range);
        image.set(field.offset + byte, std::uint8_t(high << kNibbleBits | low));
    }
}

} // namespace params
