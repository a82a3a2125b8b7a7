#pragma once

#include "archive/ArchiveEntry.h"
#include "params/DataFile.h"
#include "params/ParameterImage.h"
#include "params/sheet/SheetHeader.h"

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

// The site the installer gave the newest entry of this customer account that
// has one: the installation an image from the module or a file belongs to.
// Empty without an archive file or such an entry.
QString archivedSite(archive::ImageArchive* archive, const QString& account);

// The head of the programming sheet of an archived entry: its site, the time
// it was archived and the module's versions it was read with.
SheetHeader sheetHeaderOf(const archive::Entry& entry);

} // namespace params
