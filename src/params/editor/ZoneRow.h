#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"

#include <QString>

#include <array>

class NumberBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;
class RadioGroup;

// The number columns of the zones table, left to right: the field, the name
// of the number box, the column title and its unit line.
struct ZoneNumberColumn
{
    params::Field field;
    const char* boxName;
    const char* titleName;
    const char16_t* title;
    const char* unitName;
    const char16_t* unit;
};

inline constexpr std::array<ZoneNumberColumn, 5> kZoneNumberColumns{{
    {params::Field::ZoneSensitivity, "edZonaErz", "rlbZoneSensitivity", u"Zóna érzékenység", "rlbTizedsec",
     u"(tizedmásodperc)"},
    {params::Field::ZoneEntryDelay, "edZonaBeKesl", "rlbEnterDelay", u"Belépési késlelt.", "rlbSec1", u"(másodperc)"},
    {params::Field::ZoneExitDelay, "edZonaKiKesl", "rlbLeaveDelay", u"Kilépési késlelt.", "rlbSec2", u"(másodperc)"},
    {params::Field::ZoneSmartTime, "edZonaIntel", "rlbIntellizone", u"Intelligens zóna", "rlbMinute025",
     u"(0-25 perc)"},
    {params::Field::ZoneCoverTime, "edZonaCover", "rlbZoneCoverTime", u"Zóna takarás idő", "rlbZoneCoverTimeLine2",
     u"(0-25 óra)"},
}};

// Radio group items: the title of each button's column, left to right, which
// is also the item order (index = stored value).
struct TitledItem
{
    const char* name;
    const char16_t* title;
};
inline constexpr std::array<TitledItem, 4> kWiringItems{{
    {"rlbShortAct", u"Rövidzárra aktív"},
    {"rlbOpenAct", u"Szakadásra aktív"},
    {"rlbDEOL", u"DEOL"},
    {"rlbRadioDevice", u"Rádiós érzékelő"},
}};
inline constexpr std::array<TitledItem, 4> kPartitionItems{{
    {"rlbPart12", u"Partíció 1 és 2"},
    {"rlbPart1", u"Partíció 1"},
    {"rlbPart2", u"Partíció 2"},
    {"rlb24hzone", u"24 órás zóna"},
}};
inline constexpr std::array<const char16_t*, 4> kNightSettings{
    u"Mindíg éles", u"Éles, követő", u"Kikapcsolt", u"Kiinduló zóna"};
inline constexpr const char16_t* kNightSettingTitle[] = {u"Éjszakai", u"zóna beállítás"};
inline constexpr const char16_t* kZoneNameTitle = u"Zóna neve";
inline constexpr const char16_t* kZoneNameLimit = u"(max 10 karakter)";

// One zone of the zones table: its caption, wiring, partition, five numbers,
// night setting and name, placed into the table's grid at `gridRow`. The
// controls belong to `parent`; the flag columns are the page's.
class ZoneRow
{
public:
    // Grid columns of the table; the page's flag columns come first.
    enum Column { FlagsColumn, CaptionColumn, WiringColumn, PartitionColumn, FirstNumberColumn,
                  NightColumn = FirstNumberColumn + int(kZoneNumberColumns.size()), NameColumn };

    ZoneRow(int zone, QGridLayout& grid, int gridRow, QWidget* parent);

    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    // "  3. Zóna": the number right-aligned to two places by leading blanks.
    static QString caption(int zone);

    QLabel* lbZone;
    RadioGroup* rgZonaBek;
    RadioGroup* rgZonaPart;
    // edZonaErz, edZonaBeKesl, edZonaKiKesl, edZonaIntel, edZonaCover, each
    // with its up-down, in the order of kZoneNumberColumns.
    std::array<NumberBox*, kZoneNumberColumns.size()> numbers{};
    QComboBox* cbNightSet;
    QLineEdit* edZonaNeve;

private:
    int m_zone;
};
