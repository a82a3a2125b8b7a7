#pragma once

#include "link/VersionQuery.h"

#include <QString>

// The program's own version as the splash window and the main window show it.
inline QString programVersionText()
{
    return QStringLiteral("v1.22 (dv.%1)").arg(supportedDataVersion);
}

inline const QString kApplicationTitle = QStringLiteral("GSM-Sentrova Pultrex");
