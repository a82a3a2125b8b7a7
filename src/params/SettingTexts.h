#pragma once

#include <QString>
#include <QStringList>

// What the settings are called where the installer sees them: the editor's
// row captions, column titles and list items. The setting-by-setting
// comparison names differences with the same words.
namespace params::texts {

// List items; an item's index is the stored value.
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

// Flag column titles. Column k − 1 is right k, with the blanks of the rotated titles.
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
inline const QString kBypass = QStringLiteral("Bypass");
inline const QString kSilentZone = QStringLiteral("Csendes zóna");
inline const QString kFollowerZone = QStringLiteral("  Követő zóna");

// Column titles and the names of single settings. Where the editor shows a
// title on several lines it is kept as its lines; the editor's captions add
// the range and a colon to the names.
inline const QString kUserName = QStringLiteral("Felhasználó neve");
inline const QString kUserCode = QStringLiteral("Azonosító kódja");
inline const QString kInstallerCode = QStringLiteral("Telepítői kód");
inline const QString kZoneName = QStringLiteral("Zóna neve");
inline const QString kZoneSensitivity = QStringLiteral("Zóna érzékenység");
inline const QString kEntryDelay = QStringLiteral("Belépési késlelt.");
inline const QString kExitDelay = QStringLiteral("Kilépési késlelt.");
inline const QString kSmartZone = QStringLiteral("Intelligens zóna");
inline const QString kCoverTime = QStringLiteral("Zóna takarás idő");
inline const QStringList kNightSettingLines{QStringLiteral("Éjszakai"), QStringLiteral("zóna beállítás")};
inline const QStringList kNightWalkLines{QStringLiteral("Éjszakai"), QStringLiteral("séta időtartam")};
inline const QStringList kContactIdLines{QStringLiteral("Contact-ID"), QStringLiteral("kód")};
inline const QString kSmsText = QStringLiteral("SMS üzenet");
inline const QStringList kVoiceNumberLines{QStringLiteral("Hangüzenet"), QStringLiteral("sorszáma")};
inline const QString kAckMode = QStringLiteral("Nyugtázás");
inline const QString kCustomerAccount = QStringLiteral("Ügyfél azonosító");
inline const QString kSmsForwardPhone = QStringLiteral("SMS továbbítás");
inline const QString kArmingMode = QStringLiteral("Élesítés és kikapcsolás módja az A és B bemeneteken");
inline const QString kStartDelay = QStringLiteral("Start késleltetés");
inline const QString kMaxDuration = QStringLiteral("Maximális időtartam");
inline const QString kAlarmMax = QStringLiteral("A riasztás maximális ideje");
inline const QString kTestTime = QStringLiteral("Tesztjelentés időpontja");
inline const QString kTestPeriod = QStringLiteral("Tesztjelentés gyakorisága");
inline const QString kZoneAlarmLimit = QStringLiteral("Egy zónáról küldhető riasztások maximális száma");
inline const QString kAutoArm = QStringLiteral("Automatikus élesítés");

// A title of several lines as one line.
inline QString oneLine(const QStringList& lines)
{
    return lines.join(QLatin1Char(' '));
}

// Row captions.
inline const QString kPhoneRemoteControlRow = QStringLiteral("00. Telefonos távvezérlés");

// A row number right-aligned to two places: a blank is narrower than a
// digit, so two blanks stand for a missing tens digit.
inline QString rowNumber(int number)
{
    return number < 10 ? QStringLiteral("  %1").arg(number) : QString::number(number);
}

// "  1. Zóna" .. "12. Zóna".
inline QString zoneRowCaption(int zone)
{
    return rowNumber(zone) + QStringLiteral(". Zóna");
}

// "  1.Felhasználó " .. "12.Felhasználó ".
inline QString userRowCaption(int user)
{
    return rowNumber(user) + QStringLiteral(".Felhasználó ");
}

inline QString phoneCaption(int phone)
{
    return QStringLiteral("%1. Telefonszám").arg(phone);
}

inline QString centrePhoneCaption(int phone)
{
    return QStringLiteral("%1. Központ tel.").arg(phone);
}

inline QString sirenOutputCaption(int output)
{
    return QStringLiteral("OUT %1").arg(output);
}

inline QString relayCaption(int relay)
{
    return QStringLiteral("RELE %1").arg(relay);
}

// The event lists of a relay: those that switch it on, and those that switch it off.
inline QString relayOnEventsCaption(int relay)
{
    return QStringLiteral("R%1 bekapcs.").arg(relay);
}

inline QString relayOffEventsCaption(int relay)
{
    return QStringLiteral("R%1 kikapcs.").arg(relay);
}

// A button of a radio remote control.
inline QString buttonCaption(int button)
{
    return QStringLiteral("%1. nyomógomb").arg(button);
}

} // namespace params::texts
