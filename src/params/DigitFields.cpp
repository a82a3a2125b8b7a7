#include "params/DigitFields.h"

#include "params/HexDigit.h"

#include <cstddef>

namespace params {

namespace {

constexpr int kMaxDigit = 15;
constexpr std::uint8_t kEmptyDigit = 0x00;

QString hexCell(int value)
{
    return QString(QLatin1Char(hexDigitChar(value)));
}

// "0".."9" and upper-case "A".."F" by their first character; anything else 0.
std::uint8_t hexCellValue(const QString& cell)
{
    const char16_t c = cell.isEmpty() ? u'\0' : cell.front().unicode();
    if (c >= u'0' && c <= u'9')
        return std::uint8_t(c - u'0');
    if (c >= u'A' && c <= u'F')
        return std::uint8_t(c - u'A' + 10);
    return 0;
}

template <std::size_t N>
void writeHexCells(ParameterImage& image, const FieldRef& field, const std::array<QString, N>& cells)
{
    Q_ASSERT(field.size == int(N));
    for (std::size_t k = 0; k < N; ++k)
        image.set(field.offset + int(k), hexCellValue(cells[k]));
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

ContactIdCells ReadContactId(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::LowHexDigit && field.size == kContactIdDigits);
    ContactIdCells cells;
    for (int k = 0; k < kContactIdDigits; ++k)
        cells[std::size_t(k)] = hexCell(image.at(field.offset + k) & 0x0F);
    return cells;
}

void WriteContactId(ParameterImage& image, const FieldRef& field, const ContactIdCells& cells)
{
    Q_ASSERT(field.encoding == Encoding::LowHexDigit);
    writeHexCells(image, field, cells);
}

AccountCells ReadAccount(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::HexDigitByte && field.size == kAccountDigits);
    AccountCells cells;
    for (int k = 0; k < kAccountDigits; ++k) {
        const int value = image.at(field.offset + k);
        cells[std::size_t(k)] = value <= kMaxDigit ? hexCell(value) : QString();
    }
    return cells;
}

void WriteAccount(ParameterImage& image, const FieldRef& field, const AccountCells& cells)
{
    Q_ASSERT(field.encoding == Encoding::HexDigitByte);
    writeHexCells(image, field, cells);
}

PhoneCells ReadDigits(const ParameterImage& image, const FieldRef& field)
{
    Q_ASSERT(field.encoding == Encoding::DigitString && field.size == kPhoneDigits);
    PhoneCells cells;
    for (int k = 0; k < kPhoneDigits; ++k) {
        const char16_t c = image.at(field.offset + k);
        if (isDigit(c))
            cells[std::size_t(k)] = QString(QChar(c));
    }
    return cells;
}

void WriteDigits(ParameterImage& image, const FieldRef& field, const PhoneCells& cells)
{
    Q_ASSERT(field.encoding == Encoding::DigitString && field.size == kPhoneDigits);
    for (int k = 0; k < kPhoneDigits; ++k) {
        const QString& cell = cells[std::size_t(k)];
        const char16_t c = cell.isEmpty() ? u'\0' : cell.front().unicode();
        image.set(field.offset + k, isDigit(c) ? std::uint8_t(c) : kEmptyDigit);
    }
}

} // namespace params
