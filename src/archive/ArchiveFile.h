#pragma once

#include <QString>

// Where the archive file lives, and making it owner-only: the images it
// holds carry the installer and user codes.
namespace archive {

inline const QString kFileName = QStringLiteral("archive.sqlite");
// Overrides the folder of the archive (the tests use it).
inline constexpr const char* kFolderVariable = "SENTROVA_DATA_DIR";

// The folder of SENTROVA_DATA_DIR, else the program's own data folder; the
// command-line tool shares it although its executable has another name.
QString defaultFolder();

// Makes `folder` if it is missing (readable by its owner only) and the file
// `fileName` in it (read and written by its owner only), and takes away
// every other permission from a file that was already there. Returns the
// file's path, or an empty text after putting the reason into `error`.
QString prepareFile(const QString& folder, const QString& fileName, QString* error);

} // namespace archive
