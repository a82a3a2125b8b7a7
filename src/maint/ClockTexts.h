#pragma once

#include <QString>

// Progress and outcome texts of reading and setting the module's clock.
namespace text {

inline const QString clockReading = QStringLiteral("Óra lekérdezése...");
inline const QString clockSetting = QStringLiteral("Óra beállítás...");
inline const QString clockSet = QStringLiteral("Az óra beállítva.");
inline const QString clockSetFailed = QStringLiteral("Hiba történt órabeállítás közben!");

} // namespace text
