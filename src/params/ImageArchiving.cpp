#include "params/ImageArchiving.h"

#include "archive/ImageArchive.h"
#include "params/DigitFields.h"

#include <QFileInfo>

#include <algorithm>

namespace params {

static_assert(archive::kImageSize == ParameterImage::kSize);

QString accountText(const ParameterImage& image)
{
    QString text;
    for (const QString& digit : ReadAccount(image, fieldRef(Field::CustomerAccount)))
        text += digit.isEmpty() ? QStringLiteral("?") : digit;
    return text;
}

QByteArray imageBytes(const ParameterImage& image)
{
    const auto& bytes = image.bytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

void archiveImage(archive::ImageArchive* archive, archive::Operation operation, const QString& place,
                  const ModuleVersions& versions, const ParameterImage& image)
{
    if (!archive)
        return;
    archive->add({operation, place, versions.program, versions.data, accountText(image), imageBytes(image), {}});
}

FileResult OpenAndArchive(const QString& path, ParameterImage& image, archive::ImageArchive* archive)
{
    FileResult result = OpenDataFile(path, image);
    if (result)
        archiveImage(archive, archive::Operation::FileOpened, QFileInfo(path).absoluteFilePath(), {}, image);
    return result;
}

FileResult SaveAndArchive(const QString& path, const ParameterImage& image, archive::ImageArchive* archive)
{
    FileResult result = SaveDataFile(path, image);
    if (result)
        archiveImage(archive, archive::Operation::FileSaved, QFileInfo(path).absoluteFilePath(), {}, image);
    return result;
}

std::optional<ParameterImage> archivedImage(archive::ImageArchive& archive, qint64 id)
{
    const std::optional<QByteArray> bytes = archive.image(id);
    if (!bytes || bytes->size() != ParameterImage::kSize)
        return std::nullopt;
    ParameterImage image;
    std::copy(bytes->cbegin(), bytes->cend(), image.bytes().begin());
    return image;
}

QString archivedSite(archive::ImageArchive* archive, const QString& account)
{
    // Looking up makes no archive where there is none yet.
    if (!archive || !QFileInfo::exists(archive->filePath()))
        return {};
    return archive->latestSite(account).value_or(QString());
}

SheetHeader sheetHeaderOf(const archive::Entry& entry)
{
    return SheetHeader{entry.site, entry.time.toLocalTime(), entry.programVersion, entry.dataVersion};
}

} // namespace params
