#include "mainwin/SettingsFile.h"

#include "mainwin/SettingsGrid.h"
#include "params/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStandardPaths>

namespace settings_file {
namespace {

constexpr int kColumns = 2;
constexpr int kRows = 1;
constexpr int kColumnWidth = 20;
constexpr int kPortColumn = 0;
constexpr int kPhoneColumn = 1;
constexpr qint64 kMaxFileSize = 64 * 1024;

} // namespace

QString path()
{
    QString folder = qEnvironmentVariable(kFolderVariable);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(kFileName);
}

std::optional<ConnectionSettings> load(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    const auto grid = SettingsGrid::fromText(QString::fromUtf8(file.readAll()));
    if (!grid)
        return std::nullopt;
    const auto port = grid->cell(kPortColumn, 0);
    const auto phone = grid->cell(kPhoneColumn, 0);
    if (!port || !phone)
        return std::nullopt;
    return ConnectionSettings{*port, *phone};
}

bool save(const QString& filePath, const ConnectionSettings& settings)
{
    SettingsGrid grid(kColumns, kRows, kColumnWidth);
    grid.setCell(kPortColumn, 0, settings.portName);
    grid.setCell(kPhoneColumn, 0, settings.phoneNumber);
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    return params::SaveWholeFile(filePath, grid.toText().toUtf8()).ok();
}

} // namespace settings_file
