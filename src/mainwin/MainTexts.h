#pragma once

#include <QString>

// Texts of the main window.
namespace text {

inline const QString serialLinkOk = QStringLiteral(" Soros kapcsolat rendben.");
inline const QString portUnavailable = QStringLiteral(" Hiba: A COM port nem elérhető!");
inline const QString dialNeedsCode =
    QStringLiteral("Tárcsázás előtt adja meg a hívandó Sentrova modul TELEPÍTŐI AZONOSÍTÓJÁT.");
inline const QString dialNeedsNumber =
    QStringLiteral("Tárcsázás előtt adja meg a hívandó Sentrova modul TELEFONSZÁMÁT.");
inline const QString dialling = QStringLiteral("Tárcsázás...");
inline const QString noConnection = QStringLiteral("Nincs kapcsolat!");
inline const QString hangingUp = QStringLiteral("Vonal bontás...");
inline const QString hungUp = QStringLiteral(" Vonal bontva.");
inline const QString cannotCreate = QStringLiteral("Cannot Create ");

// Captions of the serial monitor button: the first one has a leading blank.
inline const QString detailsFirst = QStringLiteral(" >>");
inline const QString detailsShow = QStringLiteral(">>");
inline const QString detailsHide = QStringLiteral("<<");

} // namespace text
