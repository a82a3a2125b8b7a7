#include "FieldProbe.h"

#include "params/FieldConversions.h"

#include <QRandomGenerator>
#include <QVariant>
#include <QStringList>

using namespace params;

namespace {

template <typename Container>
QString joinFlags(const Container& flags)
{
    QString text;
    for (const bool flag : flags)
        text.append(flag ? u'1' : u'0');
    return text;
}

template <typename Container>
QString joinCells(const Container& cells)
{
    QStringList parts;
    for (const auto& cell : cells)
        parts.append(QVariant(cell).toString());
    return parts.join(u',');
}

} // namespace

QString describeField(const ParameterImage& image, Field field, int record)
{
    const FieldRef ref = fieldRef(field, record);
    switch (ref.encoding) {
    case Encoding::Number:
    case Encoding::Choice:
        return QString::number(ReadByteField(image, ref));
    case Encoding::NonZeroFlag:
    case Encoding::OneFlag:
        return ReadFlag(image, ref) ? QStringLiteral("1") : QStringLiteral("0");
    case Encoding::TimePart:
        return ReadTestTime(image);
    case Encoding::Text:
        return ReadText(image, ref);
    case Encoding::Code:
        return ReadCode(image, ref);
    case Encoding::Word:
        return ref.items == kRightsFlags ? joinFlags(ReadUserRights(image, ref)) : joinFlags(ReadRouteFlags(image, ref));
    case Encoding::DigitString:
        return joinCells(ReadDigits(image, ref));
    case Encoding::LowHexDigit:
        return joinCells(ReadContactId(image, ref));
    case Encoding::HexDigitByte:
        return joinCells(ReadAccount(image, ref));
    case Encoding::EventMask:
        return joinFlags(ReadEventMask(image, ref));
    case Encoding::ButtonPair:
        return joinCells(ReadRemoteButtons(image, ref));
    }
    return {};
}

void storeBackField(const ParameterImage& from, ParameterImage& to, Field field, int record)
{
    const FieldRef ref = fieldRef(field, record);
    switch (ref.encoding) {
    case Encoding::Number:
    case Encoding::Choice:
        WriteByteField(to, ref, ReadByteField(from, ref));
        break;
    case Encoding::NonZeroFlag:
    case Encoding::OneFlag:
        WriteFlag(to, ref, ReadFlag(from, ref));
        break;
    case Encoding::TimePart:
        WriteTestTime(to, ReadTestTime(from));
        break;
    case Encoding::Text:
        WriteText(to, ref, ReadText(from, ref));
        break;
    case Encoding::Code:
        WriteCode(to, ref, ReadCode(from, ref));
        break;
    case Encoding::Word:
        if (ref.items == kRightsFlags)
            WriteUserRights(to, ref, ReadUserRights(from, ref));
        else
            WriteRouteFlags(to, ref, ReadRouteFlags(from, ref));
        break;
    case Encoding::DigitString:
        WriteDigits(to, ref, ReadDigits(from, ref));
        break;
    case Encoding::LowHexDigit:
        WriteContactId(to, ref, ReadContactId(from, ref));
        break;
    case Encoding::HexDigitByte:
        WriteAccount(to, ref, ReadAccount(from, ref));
        break;
    case Encoding::EventMask:
        WriteEventMask(to, ref, ReadEventMask(from, ref));
        break;
    case Encoding::ButtonPair:
        WriteRemoteButtons(to, ref, ReadRemoteButtons(from, ref));
        break;
    }
}

ParameterImage storedBack(const ParameterImage& image)
{
    // Fields do not overlap, so storing into a copy field by field is the same
    // as loading everything first and storing everything afterwards.
    ParameterImage result = image;
    for (const FieldDef& def : kFields)
        for (int record = 1; record <= def.records; ++record)
            storeBackField(image, result, def.field, record);
    return result;
}

ParameterImage noiseImage(unsigned seed)
{
    QRandomGenerator random(seed);
    ParameterImage image;
    for (auto& byte : image.bytes())
        byte = std::uint8_t(random.bounded(256));
    return image;
}
