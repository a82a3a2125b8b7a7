#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"
#include "params/SettingTexts.h"
#include "params/editor/TextBox.h"

#include <QString>

#include <array>

class NumberBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;
class RadioGroup;

// The number columns of the zones table, left to right: the field, the name
// of the number box, the column title and its unit line.
struct ZoneNumberColumn
{
    params::Field field;
    const char* boxName;
    const char* titleName;
    const QString& title;
    const char* unitName;
    const QString& unit;
};

inline constexpr std::array<ZoneNumberColumn, 5> kZoneNumberColumns{{
    {params::Field::ZoneSensitivity, "edZonaErz", "rlbZoneSensitivity", params::texts::kZoneSensitivity,
     "rlbTizedsec", params::texts::kTenthsOfSecondUnit},
    {params::Field::ZoneEntryDelay, "edZonaBeKesl", "rlbEnterDelay", params::texts::kEntryDelay, "rlbSec1",
     params::texts::kSecondsUnit},
    {params::Field::ZoneExitDelay, "edZonaKiKesl", "rlbLeaveDelay", params::texts::kExitDelay, "rlbSec2",
     params::texts::kSecondsUnit},
    {params::Field::ZoneSmartTime, "edZonaIntel", "rlbIntellizone", params::texts::kSmartZone, "rlbMinute025",
     params::texts::kMinutesUpTo25Unit},
    {params::Field::ZoneCoverTime, "edZonaCover", "rlbZoneCoverTime", params::texts::kCoverTime,
     "rlbZoneCoverTimeLine2", params::texts::kHoursUpTo25Unit},
}};

// The names of the rotated titles over the radio buttons' columns, left to
// right as the items of their lists.
inline constexpr std::array<const char*, 4> kWiringTitleNames{"rlbShortAct", "rlbOpenAct", "rlbDEOL",
                                                               "rlbRadioDevice"};
inline constexpr std::array<const char*, 4> kPartitionTitleNames{"rlbPart12", "rlbPart1", "rlbPart2",
                                                                  "rlb24hzone"};

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

    QLabel* lbZone;
    RadioGroup* rgZonaBek;
    RadioGroup* rgZonaPart;
    // edZonaErz, edZonaBeKesl, edZonaKiKesl, edZonaIntel, edZonaCover, each
    // with its up-down, in the order of kZoneNumberColumns.
    std::array<NumberBox*, kZoneNumberColumns.size()> numbers{};
    QComboBox* cbNightSet;
    TextBox* edZonaNeve;

private:
    int m_zone;
};
