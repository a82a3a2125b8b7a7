#include "params/DataFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <algorithm>

namespace params {

namespace {

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("A fájl nem nyitható meg: %1\n%2").arg(path, reason);
}

QString tooShort(const QString& path, qsizetype size)
{
    return QStringLiteral("A fájl túl rövid: %1\n%2 bájt, legalább %3 szükséges.")
        .arg(path)
        .arg(size)
        .arg(ParameterImage::kSize);
}

QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("A fájl nem írható: %1\n%2").arg(path, reason);
}

} // namespace

QString datafile::toQtFilter(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

FileResult OpenDataFile(const QString& path, ParameterImage& image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {cannotOpen(path, file.errorString())};
    // Read into a buffer first so that a short file leaves the image as it was.
    const QByteArray data = file.read(ParameterImage::kSize);
    if (data.size() < ParameterImage::kSize)
        return {tooShort(path, data.size())};
    std::copy(data.cbegin(), data.cend(), image.bytes().begin());
    return {};
}

FileResult SaveWholeFile(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a failing write (a full disk) fails the write call
    // itself: commit() would not notice a failure of its own final flush and
    // would replace the old file with a truncated one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {cannotWrite(path, file.errorString())};
    const bool written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush()
        && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {cannotWrite(path, reason)};
    }
    if (!file.commit())
        return {cannotWrite(path, file.errorString())};
    return {};
}

FileResult SaveDataFile(const QString& path, const ParameterImage& image)
{
    const auto& bytes = image.bytes();
    return SaveWholeFile(path, QByteArrayView(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
}

} // namespace params
