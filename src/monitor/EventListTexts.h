#pragma once

#include <QString>

// Progress texts of the event memory and names downloads.
namespace text {

inline const QString eventsLoading = QStringLiteral("Eseménylista letöltése");
inline const QString eventsLoaded = QStringLiteral("Eseménylista letöltve.");
inline const QString namesLoading = QStringLiteral("Zóna és Felhasználói nevek letöltése");
inline const QString namesLoaded = QStringLiteral("Zóna és Felhasználói nevek letöltve.");
// Appended to a loading text: "..." at the start, " n..." after block n.
inline const QString loadingEllipsis = QStringLiteral("...");

} // namespace text
