#pragma once

#include "link/VersionQuery.h"

#include <QString>

// The program's version, named once: the window captions, the splash window,
// every program's --version and the package take it from here (the top-level
// CMakeLists.txt reads it from this line).
inline const QString kProgramVersion = QStringLiteral("1.22");

// The program's own version as the splash window and the main window show it.
inline QString programVersionText()
{
    return QStringLiteral("v%1 (dv.%2)").arg(kProgramVersion).arg(supportedDataVersion);
}

// The line that `--version` prints: "sentrova-cli 1.22 (data version 2)".
inline QString versionOutputLine(const QString& programName)
{
    return QStringLiteral("%1 %2 (data version %3)").arg(programName, kProgramVersion).arg(supportedDataVersion);
}

inline const QString kApplicationTitle = QStringLiteral("GSM-Sentrova Pultrex");
