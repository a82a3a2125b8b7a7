#pragma once

#include <QString>

// Texts of the radio device window.
namespace text {

inline const QString radioWindowCaption = QStringLiteral("Rádiós eszközök tanítása");
inline const QString radioSensorsGroup = QStringLiteral(" Rádiós szenzorok ");
inline const QString radioUsersGroup = QStringLiteral(" Rádiós távvezérlők ");
inline const QString radioUserHeader = QStringLiteral("%1.Felh.");
inline const QString radioInputHeader = QStringLiteral("IN%1");
inline const QString radioDeviceA = QStringLiteral("A");
inline const QString radioDeviceB = QStringLiteral("B");
inline const QString radioSlotInitial = QStringLiteral(".");
inline const QString radioTeach = QStringLiteral("Tanítás");
inline const QString radioDeleteAll = QStringLiteral("Az összes rádiós eszköz törlése");
inline const QString radioPower = QStringLiteral("Az utolsó rádiós jelzés erőssége (0-63):");
inline const QString radioCloseWindow = QStringLiteral("Ablak bezárása");

// What a slot shows.
inline const QString radioSlotEmpty = QStringLiteral("-");
inline const QString radioSlotTaught = QStringLiteral("OK.");
inline const QString radioSlotTeaching = QStringLiteral("Tanulás");
inline const QString radioSlotLowSupply = QStringLiteral("<7V");

inline const QString radioTeachQuestion = QStringLiteral("Biztosan el szeretné indítani a tanítást?");
inline const QString radioDeleteQuestion = QStringLiteral(
    "A rádiós eszközök törlése után egyesével újra kell tanítania mindegyiket. Törli az eszközöket?");
inline const QString radioDeleteConfirmation =
    QStringLiteral("Biztosan törölni szeretné az összes rádiós eszközt?");
inline const QString radioTeachRefused =
    QStringLiteral("A rádiós eszközök tanítása és törlése telefonos kapcsolaton keresztül nem engedélyezett, "
                   "csak közvetlen soros kapcsolat esetén");

} // namespace text
