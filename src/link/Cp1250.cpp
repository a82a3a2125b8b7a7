#include "link/Cp1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kCodePage = "windows-1250";
}

QString fromCp1250(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

QByteArray toCp1250(QStringView text)
{
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
        out.append(encoder.hasError() || one.size() != 1 ? QByteArray("?") : one);
        i += step;
    }
    return out;
}
