#include "link/Commands.h"

#include "link/WireWords.h"

#include <array>

namespace {

// By command index.
constexpr std::array<QByteArrayView, 10> kCommandWords = {
    wire::kCodeCheck, wire::kStatusPoll, wire::kEventPoll, wire::kAlarmStop,  wire::kDisarmP1,
    wire::kDisarmP2,  wire::kArmP1,      wire::kArmP2,     wire::kRadioPoll,  wire::kRadioDeleteAll,
};
constexpr char kHexDigits[] = "0123456789ABCDEF";

} // namespace

QString GetInstallerCode(const QString& editText)
{
    QString code;
    for (QChar c : editText)
        if (c >= u'0' && c <= u'9')
            code.append(c);
    return code;
}

QByteArray encodeInstallerCode(const QString& code)
{
    QByteArray encoded;
    for (int p = 0; p < kCodeLength; ++p) {
        const QChar c = p < code.size() ? code.at(p) : QChar();
        if (c >= u'0' && c <= u'9')
            encoded.append(kHexDigits[15 - (c.unicode() - u'0')]);
        else
            encoded.append('0');
    }
    return encoded;
}

std::optional<QByteArray> commandLine(std::uint8_t index, const QString& code)
{
    if (index < kCommandWords.size())
        return kCommandWords[index].toByteArray() + encodeInstallerCode(code);
    if (index >= command::kTeachRadioFirst) {
        const int place = index - command::kTeachRadioFirst;
        if (place < command::kRadioPlaces)
            return wire::kTeachRadio.toByteArray() + char(command::kTeachCharacterBase + place)
                + encodeInstallerCode(code);
    }
    return std::nullopt;
}
