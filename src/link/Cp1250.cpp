#include "link/Cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* kCodePage = "windows-1250";
constexpr char kUnknown = '?';

bool converterPresent()
{
    // "ő" is 0xF5 in windows-1250 and nowhere else among the usual code pages.
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
    if (!encoder.isValid() || !decoder.isValid())
        return false;
    const QByteArray encoded = encoder.encode(u"ő");
    return encoded == "\xF5" && QString(decoder.decode(encoded)) == u"ő";
}

bool (*g_check)() = nullptr;

} // namespace

bool cp1250Available()
{
    if (g_check)
        return g_check();
    static const bool present = converterPresent();
    return present;
}

void setCp1250Check(bool (*check)())
{
    g_check = check;
}

QString fromCp1250(QByteArrayView bytes)
{
    if (cp1250Available())
        return QStringDecoder(kCodePage).decode(bytes);
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(static_cast<unsigned char>(byte) < 0x80 ? QChar::fromLatin1(byte) : QChar::fromLatin1(kUnknown));
    return text;
}

QByteArray toCp1250(QStringView text)
{
    if (!cp1250Available()) {
        QByteArray out;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            out.append(c < 0x80 ? char(c) : kUnknown);
            if (QChar::isHighSurrogate(c) && i + 1 < text.size())
                ++i; // one "?" for the whole character
        }
        return out;
    }
    QStringEncoder whole(kCodePage, QStringConverter::Flag::Stateless);
    QByteArray out = whole.encode(text);
    if (!whole.hasError() && out.size() == text.size())
        return out;
    out.clear();
    // One code point at a time, so that a character outside the code page
    // turns into a single "?" whatever the converter would substitute.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype step = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
        const QByteArray one = encoder.encode(text.mid(i, step));
        out.append(encoder.hasError() || one.size() != 1 ? QByteArray(1, kUnknown) : one);
        i += step;
    }
    return out;
}
