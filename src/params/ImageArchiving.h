#pragma once

#include "archive/ArchiveEntry.h"
#include "params/DataFile.h"
#include "params/ParameterImage.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace archive {
class ImageArchive;
}

// How parameter images go into the archive and come out of it. The window
// and the command-line tool both archive through these, so they archive
// alike.
namespace params {

// The customer account as its 4 hex digits, "?" for a byte that is none.
QString accountText(const ParameterImage& image);

QByteArray imageBytes(const ParameterImage& image);

// What the transfer's version query reported; nothing for a file.
struct ModuleVersions
{
    QString program;
    std::optional<int> data;
};

// Archives `image`; nothing happens without an archive.
void archiveImage(archive::ImageArchive* archive, archive::Operation operation, const QString& place,
                  const ModuleVersions& versions, const ParameterImage& image);

// Opens or saves a data file as OpenDataFile and SaveDataFile do and, when
// that worked, archives the image with the file's path.
FileResult OpenAndArchive(const QString& path, ParameterImage& image, archive::ImageArchive* archive);
FileResult SaveAndArchive(const QString& path, const ParameterImage& image, archive::ImageArchive* archive);

// The image of an archived entry; nothing for an unknown entry or when the
// archive cannot be used.
std::optional<ParameterImage> archivedImage(archive::ImageArchive& archive, qint64 id);

} // namespace params
