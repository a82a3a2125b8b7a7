#include "CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codepage {

namespace {
constexpr const char* kName = "windows-1250";
constexpr char kUnknown = '?';
} // namespace

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    // Character by character, so that one the code page lacks becomes one
    // "?" and never several bytes.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder encoder(kName, QStringConverter::Flag::Stateless);
        const QByteArray one = encoder.encode(QStringView(text).sliced(i, length));
        bytes.append(!encoder.hasError() && one.size() == 1 ? one.at(0) : kUnknown);
        i += length - 1;
    }
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kName, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace codepage
