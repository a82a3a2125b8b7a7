#pragma once

#include <QByteArray>
#include <QString>

// The module and its data files speak the Central European code page
// (windows-1250). A character the code page cannot hold becomes "?", always
// exactly one byte.
QString fromCp1250(QByteArrayView bytes);
QByteArray toCp1250(QStringView text);
