#include "link/Commands.h"

#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 10> kCommandWords = {
    "RPWD", "RPWS", "RPWE", "RSTP", "PT1D", "PT2D", "PT1A", "PT2A", "RPWF", "DLRF",
};
constexpr std::string_view kTeachWord = "TRF";
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
    if (index < kCommandWords.size()) {
        const auto word = kCommandWords[index];
        return QByteArray(word.data(), qsizetype(word.size())) + encodeInstallerCode(code);
    }
    if (index >= command::kTeachRadioFirst) {
        const int place = index - command::kTeachRadioFirst;
        if (place < command::kRadioPlaces)
            return QByteArray(kTeachWord.data(), qsizetype(kTeachWord.size()))
                + char(command::kTeachCharacterBase + place) + encodeInstallerCode(code);
    }
    return std::nullopt;
}
