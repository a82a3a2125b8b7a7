#include "archive/ArchiveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace archive {

namespace {

// The program's name, which names its data folder.
const QString kProgramName = QStringLiteral("sentrova");

constexpr QFile::Permissions kOwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOwnerFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
    | QFile::WriteOther | QFile::ExeOther;

bool makeFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.exists())
        return false; // a file in its place
    return QDir().mkpath(folder) && QFile::setPermissions(folder, kOwnerFolder);
}

bool makeOwnerFile(const QString& path)
{
    QFile file(path);
    if (file.exists()) {
        const QFile::Permissions permissions = file.permissions();
        return !(permissions & kOthers) || file.setPermissions(permissions & ~kOthers);
    }
    // Created with its permissions, so that it is never open to others.
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerFile) || file.exists();
}

} // namespace

QString defaultFolder()
{
    if (const QString folder = qEnvironmentVariable(kFolderVariable); !folder.isEmpty())
        return folder;
    const QString runningName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(kProgramName);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setApplicationName(runningName);
    return folder;
}

QString prepareFile(const QString& folder, const QString& fileName, QString* error)
{
    if (folder.isEmpty() || !makeFolder(folder)) {
        *error = QStringLiteral("az archívum mappája nem hozható létre: %1").arg(QDir::toNativeSeparators(folder));
        return {};
    }
    const QString path = QDir(folder).filePath(fileName);
    if (!makeOwnerFile(path)) {
        *error = QStringLiteral("az archívum fájlja nem hozható létre: %1").arg(QDir::toNativeSeparators(path));
        return {};
    }
    return path;
}

} // namespace archive
