#pragma once

#include <QString>

// Interface texts that the device link itself produces. Several begin with a
// blank; the blank belongs to the text.
namespace text {

inline const QString noSerialLink = QStringLiteral(" Nincs soros kapcsolat.");
inline const QString wrongInstallerCode = QStringLiteral(" Hibás telepítői azonosító!");
inline const QString moduleNoAnswer =
    QStringLiteral("A modul nem válaszol! Állítsa le a riasztási eseményeket és próbálja újra!");
inline const QString codeCheckOk = QStringLiteral("OK.");
inline const QString remoteConnected = QStringLiteral(" Távoli kapcsolat rendben.");
inline const QString readFailed = QStringLiteral("Leolvasás sikertelen.");
inline const QString otherTransactionRunning = QStringLiteral("Egy másik művelet folyamatban van.");

} // namespace text
