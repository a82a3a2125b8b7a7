#pragma once

#include <QString>

// Texts of the firmware update. Several begin with a blank; the blank
// belongs to the text.
namespace text {

inline const QString firmwareFilter = QStringLiteral("GSM Sentrova Firmware file|*.GSF");
inline const QString firmwareDefaultSuffix = QStringLiteral("GSF");
inline const QString firmwareInitialName = QStringLiteral("*.GSF");

inline const QString firmwareLoaded = QStringLiteral(" Fájl megnyitás rendben.");
inline const QString firmwareTransferring = QStringLiteral("Firmware áttöltés...");
inline const QString firmwareStopped = QStringLiteral("Az áttöltés leállítva.");
inline const QString firmwareTransferred = QStringLiteral("Az áttöltés sikerült!");
inline const QString firmwareTransferFailed = QStringLiteral("Hiba történt az áttöltés közben!");
inline const QString firmwareChecking = QStringLiteral("CRC ellenőrzés...");
inline const QString firmwareChecked = QStringLiteral("A CRC ellenőrzés sikerült.");
inline const QString firmwareCheckFailed = QStringLiteral("Hiba történt ellenőrzés közben!");
inline const QString firmwareRestarting =
    QStringLiteral("A firmware ellenőrzés sikerült, az Sentrova modul újraindul, ezért a kapcsolat megszakad!");

// A line of the file that is no firmware record (line 1 also for a file
// without any line).
inline QString firmwareLineRefused(const QString& path, int lineNumber)
{
    return QStringLiteral("A(z) %1 fájl nem firmware fájl: a %2. sora nem firmware rekord.").arg(path).arg(lineNumber);
}

inline QString firmwareFileUnreadable(const QString& path, const QString& error)
{
    return QStringLiteral("%1: %2").arg(path, error);
}

} // namespace text
