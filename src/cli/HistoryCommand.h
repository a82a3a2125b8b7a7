#pragma once

#include "cli/CliCommands.h"
#include "archive/ArchiveEntry.h"
#include "params/ParameterImage.h"

#include <QString>
#include <QStringList>

#include <optional>

// The archive in the command-line tool: the `history` command and "@ID",
// which names an archived image wherever a data file is taken.
namespace cli {

bool isArchiveReference(const QString& argument);

// Reads the image of the archive entry "@ID", or says why it cannot.
bool openArchivedImage(const Session& session, const QString& reference, params::ParameterImage& image);

// The entry "@ID" names, without its image; nothing when there is none.
std::optional<archive::Entry> archivedEntry(const Session& session, const QString& reference);

// `history` lists the archive's entries newest first, one line each with
// tab-separated fields: id, time (UTC), operation, account, program version,
// data version, port or file, site, note. `history export ID OUT.SD2`
// saves an entry's image as a data file.
int runHistory(Session& session, const QStringList& arguments);

} // namespace cli
