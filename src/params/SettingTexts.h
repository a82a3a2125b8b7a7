#pragma once

#include <QString>
#include <QStringList>

#include <array>

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

// Names of settings that the editor shows without a title of their own: the
// wiring and partition radio groups, and a siren output's mode list.
inline const QString kZoneWiringName = QStringLiteral("Bekötés");
inline const QString kZonePartitionName = QStringLiteral("Partíció");
inline const QString kSirenModeName = QStringLiteral("Mód");

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

// Units under the zone table's number titles and beside the night walk.
inline const QString kTenthsOfSecondUnit = QStringLiteral("(tizedmásodperc)");
inline const QString kSecondsUnit = QStringLiteral("(másodperc)");
inline const QString kMinutesUpTo25Unit = QStringLiteral("(0-25 perc)");
inline const QString kHoursUpTo25Unit = QStringLiteral("(0-25 óra)");

// Captions with their ranges; the editor adds " :" after them.
inline const QString kStartDelayCaption = kStartDelay + QStringLiteral(" ( 0-255 sec )");
inline const QString kRelayMaxDurationCaption = kMaxDuration + QStringLiteral(" ( 0-255 sec )");
inline const QString kSirenMaxDurationCaption = kMaxDuration + QStringLiteral(" ( 1-25 perc )");
inline const QString kTestTimeCaption = kTestTime + QStringLiteral(" (óó:pp)");
inline const QString kTestPeriodCaption = kTestPeriod + QStringLiteral(" (0 - 255 nap)");
inline const QString kAlarmMaxCaption = kAlarmMax + QStringLiteral(" ( 5-25 perc )");
// Two-line captions: the editor adds " :" to the first line.
inline const QStringList kZoneAlarmLimitLines{kZoneAlarmLimit, QStringLiteral("(0-25,  0=nincs korlátozva)")};
inline const QStringList kAutoArmLines{kAutoArm + QStringLiteral(" adott idő után, ha nincs mozgás"),
                                       QStringLiteral("(1-255 óra,  0=auto élesítés kikapcsolva)")};

// Titles over groups of settings.
inline const QString kRightsTitle = QStringLiteral("Jogosultságok");
inline const QString kSirenOutputsTitle = QStringLiteral("Sziréna kimenetek beállítása:");
inline const QString kRemoteButtonsTitle = QStringLiteral("Rádiós távkezelő nyomógombjainak beállítása");
inline const QString kSmsComment =
    QStringLiteral("*  :  Az SMS üzenet szövegében a $ karakter helyére a zóna vagy a felhasználó nevét, a # "
                   "karakter helyére pedig a sorszámát helyettesíti a modul.");

// The arming modes of inputs A and B as the mode dialog lists them; the
// blank runs line the parts of the explanations up in columns.
inline const QStringList kArmingModes{
    QStringLiteral("0 - Csak a kezelőn keresztül"),
    QStringLiteral("1 - Kapcsolóval:                                                                Folyamatos 1k = "
                   "Élesített ,                   Folyamatos 2k = Kikapcsolt,      (egyéb = szabotázs)"),
    QStringLiteral("2 - Kétféle impulzussal:     Folyamatos 2k = alaphelyzet,    Rövidzár impulzus = Élesítés,      "
                   "        1k Impulzus = Kikapcsolás        (szakadás = szabotázs)"),
    QStringLiteral("3 - Egyféle impulzussal:    Folyamatos 2k = alaphelyzet,    1k impulzus = Élesítés/Kikapcsolás, "
                   "                                                     (egyéb = szabotázs)"),
};

// The lines under each remote-control button's caption: the button's colour
// on the four- and the two-button remote control.
inline const std::array<QStringList, 4> kButtonColours{{
    {QStringLiteral("( 4 gombos -> fekete )"), QStringLiteral("( 2 gombos -> zöld )")},
    {QStringLiteral("( 4 gombos -> piros )"), QStringLiteral("( 2 gombos -> piros )")},
    {QStringLiteral("( 4 gombos -> zöld )")},
    {QStringLiteral("( 4 gombos -> kék )")},
}};

// The editor's pages; "&&" shows as one ampersand on a tab.
inline const QString kZonesPage = QStringLiteral("Zónák");
inline const QString kUsersPage = QStringLiteral("Felhasználók");
inline const QString kEventsPage = QStringLiteral("Események");
inline const QString kRelaysPage = QStringLiteral("Relé kimenetek");
inline const QString kPhonesPage = QStringLiteral("Telefonszámok && egyéb paraméterek");
inline const QString kRadioPage = QStringLiteral("Rádiós eszközök beállításai");

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
