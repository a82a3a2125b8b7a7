#pragma once

#include <QString>

// Texts of the status window.
namespace text {

inline const QString statusCaption = QStringLiteral("GSM-Sentrova állapotfigyelés");
// Two points, unlike the names download's own progress text.
inline const QString statusNamesLoading = QStringLiteral("Zóna és Felhasználói nevek letöltése..");
inline const QString batteryHint = QStringLiteral("Utoljára mért valós akku-feszültség   /   "
                                                  "Pillanatnyi feszültség a kapcsokon (töltés esetén a töltőfeszültség)");
inline const QString inputCaptionPrefix = QStringLiteral("IN");

} // namespace text
