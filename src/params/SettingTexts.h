#pragma once

#include <QString>
#include <QStringList>

// What the settings are called where the installer sees them: the editor's
// row captions, column titles and list items. The setting-by-setting
// comparison names differences with the same words.
namespace params::texts {

inline const QStringList kZoneWiring{
    QStringLiteral("Rövidzárra aktív"), QStringLiteral("Szakadásra aktív"), QStringLiteral("DEOL"),
    QStringLiteral("Rádiós érzékelő")};
inline const QStringList kZonePartition{
    QStringLiteral("Partíció 1 és 2"), QStringLiteral("Partíció 1"), QStringLiteral("Partíció 2"),
    QStringLiteral("24 órás zóna")};
inline const QStringList kNightSetting{
    QStringLiteral("Mindíg éles"), QStringLiteral("Éles, követő"), QStringLiteral("Kikapcsolt"),
    QStringLiteral("Kiinduló zóna")};
inline const QStringList kAckModes{
    QStringLiteral("0-   nincs nyugtázás"), QStringLiteral("1-   * = nyugta"),
    QStringLiteral("2-   * = nyugta,  # = leállítás")};
inline const QStringList kSirenModes{
    QStringLiteral("0 - Sziréna 12V  (alaphelyzet 0V, riasztáskor 12V )"),
    QStringLiteral("1 - Sziréna 0V    (alaphelyzet 12V, riasztáskor 0V )"),
    QStringLiteral("2 - fix 12V kimenet")};
inline const QStringList kButtonFunctions{
    QStringLiteral("--"),          QStringLiteral("Élesítés P1&P2"),    QStringLiteral("Élesítés P1"),
    QStringLiteral("Élesítés P2"), QStringLiteral("Éjszakai élesítés"), QStringLiteral("Kikapcsolás"),
    QStringLiteral("Relé1"),       QStringLiteral("Relé2"),             QStringLiteral("Relé3")};
// Column k − 1 is right k, with the blanks of the rotated titles.
inline const QStringList kRights{
    QStringLiteral("1. partíció"),      QStringLiteral("2. partíció"),    QStringLiteral("Élesítés"),
    QStringLiteral("Hatástalanítás"),   QStringLiteral("    Kód csere"),  QStringLiteral("Felhaszn. szerk."),
    QStringLiteral("Hibalista"),        QStringLiteral("Óra beállítás"),  QStringLiteral("Eseménylista"),
    QStringLiteral("Zóna memória"),     QStringLiteral("Zóna bypass"),    QStringLiteral("Füstj. törlése"),
    QStringLiteral("Tel. Élesítés"),    QStringLiteral("   Tel. Hatást."), QStringLiteral("Tel. Relé vez."),
    QStringLiteral("Tel. Hangrögz.")};
inline const QStringList kRoutes{
    QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3"), QStringLiteral("T4"), QStringLiteral("S1"),
    QStringLiteral("S2"), QStringLiteral("S3"), QStringLiteral("S4"), QStringLiteral("Közp.")};
inline const QString kPhoneRemoteControlRow = QStringLiteral("00. Telefonos távvezérlés");

// "  1. Zóna" .. "12. Zóna": the number right-aligned to two places.
inline QString zoneRowCaption(int zone)
{
    return QStringLiteral("%1. Zóna").arg(zone, 2);
}

// "  1.Felhasználó " .. "12.Felhasználó ".
inline QString userRowCaption(int user)
{
    return QStringLiteral("%1.Felhasználó ").arg(user, 2);
}

} // namespace params::texts
