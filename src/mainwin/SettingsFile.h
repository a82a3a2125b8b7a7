#pragma once

#include <QString>

#include <optional>

// The chosen serial port and the module's telephone number, kept between
// runs in "VARN_SENTROVA_setup.ini" in the user's configuration folder.
struct ConnectionSettings
{
    QString portName;
    QString phoneNumber;
};

namespace settings_file {

inline const QString kFileName = QStringLiteral("VARN_SENTROVA_setup.ini");
// Overrides the folder of the file (the tests use it).
inline constexpr const char* kFolderVariable = "SENTROVA_CONFIG_DIR";

QString path();

// Nothing when the file is missing, unreadable or malformed.
std::optional<ConnectionSettings> load(const QString& filePath);
// False when the file cannot be created or written.
bool save(const QString& filePath, const ConnectionSettings& settings);

} // namespace settings_file
