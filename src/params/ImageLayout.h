#pragma once

#include "params/ParameterImage.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Where every setting lives in the parameter image and how it is encoded.
// This table is the one place that knows offsets; editors and tests look
// fields up here instead of computing offsets themselves.
namespace params {

inline constexpr int kUsers = 12;
inline constexpr int kZones = 12;
inline constexpr int kEventRows = 47;
inline constexpr int kPhones = 4;
inline constexpr int kCentrePhones = 2;
inline constexpr int kSirenOutputs = 2;
inline constexpr int kRelays = 3;

inline constexpr int kNameLength = 10;
inline constexpr int kSmsLength = 20;
inline constexpr int kCodeBytes = 3;
inline constexpr int kCodeDigits = 6;
inline constexpr int kWordBytes = 2;
inline constexpr int kRightsFlags = 16;
inline constexpr int kRouteFlags = 9;
inline constexpr int kContactIdDigits = 3;
inline constexpr int kAccountDigits = 4;
inline constexpr int kPhoneDigits = 16;
inline constexpr int kMaskBytes = 8;
inline constexpr int kMaskRows = 60;
inline constexpr int kButtonPairBytes = 2;
inline constexpr int kRemoteButtons = 4;

// How the bytes of a field are stored. The one-byte settings are split by
// what shows them, because that decides what an out-of-range byte becomes.
enum class Encoding : std::uint8_t {
    Number,       // one byte, an up-down position; kept within min..max
    Choice,       // one byte, a list or radio-group index min..max; 0xFF = none
    NonZeroFlag,  // one byte; any non-zero value is set; stored as 0 or 1
    OneFlag,      // one byte; only the value 1 is set; stored as 0 or 1
    TimePart,     // one byte, the hour or minute of the test report time
    Text,         // windows-1250 characters padded with spaces
    Code,         // six nibbles, 15 - digit, 0 = no digit
    Word,         // 16 flags, big-endian
    DigitString,  // ASCII digits, 0x00 = empty position
    LowHexDigit,  // one byte per digit, value in the low nibble
    HexDigitByte, // one byte per digit, value in the whole byte
    EventMask,    // bit b of byte i = row 8i + b
    ButtonPair,   // four list-index nibbles A, B, C, D
};

// Value range of one item of a field; empty where the layout gives none.
struct Range
{
    int min = 0;
    int max = -1;

    constexpr bool empty() const { return min > max; }
    constexpr bool contains(int value) const { return value >= min && value <= max; }
};

inline constexpr Range kNoRange{};

enum class Field : std::uint8_t {
    UserName,
    UserCode,
    UserRights,
    InstallerCode,
    ZoneName,
    ZoneWiring,
    ZonePartition,
    ZoneSensitivity,
    ZoneEntryDelay,
    ZoneExitDelay,
    ZoneSilent,
    ZoneSmartTime,
    ZoneFollower,
    ZoneCoverTime,
    ZoneNightSetting,
    EventContactId,
    EventRoutes,
    EventSmsText,
    EventVoiceNumber,
    Phone,
    CentrePhone,
    SmsForwardPhone,
    AckMode,
    CustomerAccount,
    ArmingMode,
    SirenMode,
    SirenDelay,
    SirenTime,
    RelayOnEvents,
    RelayOffEvents,
    RelayDelay,
    RelayTime,
    AlarmMax,
    TestHour,
    TestMinute,
    TestPeriod,
    ZoneBypass,
    ZoneAlarmLimit,
    AutoArm,
    NightWalk,
    RemoteButtons,
};

// One field of the map. Record r (1-based) starts at base + stride·(r − 1);
// `items` is how many characters, digits, flags, rows or buttons it holds.
struct FieldDef
{
    Field field;
    std::string_view name;
    int base;
    int records;
    int stride;
    int size;
    int items;
    Encoding encoding;
    Range range;
};

inline constexpr Range kWholeByte{0, 255};
inline constexpr Range kHexDigit{0, 15};
inline constexpr Range kFlag{0, 1};

// clang-format off
inline constexpr std::array kFields{
    //        field                    name                          base recs stride size  items             encoding                 range
    FieldDef{Field::UserName,         "user name",                    0,  12,  15, kNameLength, kNameLength,  Encoding::Text,         kNoRange},
    FieldDef{Field::UserCode,         "user code",                   10,  12,  15, kCodeBytes, kCodeDigits,   Encoding::Code,         kNoRange},
    FieldDef{Field::UserRights,       "user rights",                 13,  12,  15, kWordBytes, kRightsFlags,  Encoding::Word,         kNoRange},
    FieldDef{Field::InstallerCode,    "installer code",             180,   1,   0, kCodeBytes, kCodeDigits,   Encoding::Code,         kNoRange},
    FieldDef{Field::ZoneName,         "zone name",                  183,  12,  20, kNameLength, kNameLength,  Encoding::Text,         kNoRange},
    FieldDef{Field::ZoneWiring,       "zone wiring",                193,  12,  20,  1,  1,                    Encoding::Choice,       {0, 3}},
    FieldDef{Field::ZonePartition,    "zone partition",             194,  12,  20,  1,  1,                    Encoding::Choice,       {0, 3}},
    FieldDef{Field::ZoneSensitivity,  "zone sensitivity (0.1 s)",   195,  12,  20,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::ZoneEntryDelay,   "zone entry delay (s)",       196,  12,  20,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::ZoneExitDelay,    "zone exit delay (s)",        197,  12,  20,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::ZoneSilent,       "silent zone",                198,  12,  20,  1,  1,                    Encoding::OneFlag,      kFlag},
    FieldDef{Field::ZoneSmartTime,    "smart zone time (min)",      199,  12,  20,  1,  1,                    Encoding::Number,       {0, 25}},
    FieldDef{Field::ZoneFollower,     "follower zone",              200,  12,  20,  1,  1,                    Encoding::OneFlag,      kFlag},
    FieldDef{Field::ZoneCoverTime,    "zone cover time (h)",        201,  12,  20,  1,  1,                    Encoding::Number,       {0, 25}},
    FieldDef{Field::ZoneNightSetting, "zone night setting",         202,  12,  20,  1,  1,                    Encoding::Choice,       {0, 3}},
    FieldDef{Field::EventContactId,   "Contact-ID event code",      423,  47,  26, kContactIdDigits, kContactIdDigits, Encoding::LowHexDigit, kHexDigit},
    FieldDef{Field::EventRoutes,      "report routes",              426,  47,  26, kWordBytes, kRouteFlags,   Encoding::Word,         kNoRange},
    FieldDef{Field::EventSmsText,     "SMS text",                   428,  47,  26, kSmsLength, kSmsLength,    Encoding::Text,         kNoRange},
    FieldDef{Field::EventVoiceNumber, "voice message number",       448,  47,  26,  1,  1,                    Encoding::Number,       {0, 12}},
    FieldDef{Field::Phone,            "telephone number",          1671,   4,  16, kPhoneDigits, kPhoneDigits, Encoding::DigitString, kNoRange},
    FieldDef{Field::CentrePhone,      "monitoring centre number",  1735,   2,  16, kPhoneDigits, kPhoneDigits, Encoding::DigitString, kNoRange},
    FieldDef{Field::SmsForwardPhone,  "SMS forwarding number",     1767,   1,   0, kPhoneDigits, kPhoneDigits, Encoding::DigitString, kNoRange},
    FieldDef{Field::AckMode,          "acknowledgement mode",      1783,   4,   1,  1,  1,                    Encoding::Choice,       {0, 2}},
    FieldDef{Field::CustomerAccount,  "customer account",          1787,   1,   0, kAccountDigits, kAccountDigits, Encoding::HexDigitByte, kHexDigit},
    FieldDef{Field::ArmingMode,       "arming mode of inputs A, B", 1791,   1,   0,  1,  1,                    Encoding::Number,       {0, 3}},
    FieldDef{Field::SirenMode,        "siren output mode",         1792,   2,   3,  1,  1,                    Encoding::Choice,       {0, 2}},
    FieldDef{Field::SirenDelay,       "siren start delay (s)",     1793,   2,   3,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::SirenTime,        "siren maximum time (min)",  1794,   2,   3,  1,  1,                    Encoding::Number,       {1, 25}},
    FieldDef{Field::RelayOnEvents,    "relay switch-on events",    1798,   3,  18, kMaskBytes, kMaskRows,     Encoding::EventMask,    kNoRange},
    FieldDef{Field::RelayOffEvents,   "relay switch-off events",   1806,   3,  18, kMaskBytes, kMaskRows,     Encoding::EventMask,    kNoRange},
    FieldDef{Field::RelayDelay,       "relay start delay (s)",     1814,   3,  18,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::RelayTime,        "relay maximum time (s)",    1815,   3,  18,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::AlarmMax,         "maximum alarm time (min)",  1852,   1,   0,  1,  1,                    Encoding::Number,       {5, 25}},
    FieldDef{Field::TestHour,         "test report hour",          1853,   1,   0,  1,  1,                    Encoding::TimePart,     {0, 99}},
    FieldDef{Field::TestMinute,       "test report minute",        1854,   1,   0,  1,  1,                    Encoding::TimePart,     {0, 99}},
    FieldDef{Field::TestPeriod,       "test report period (days)", 1855,   1,   0,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::ZoneBypass,       "zone bypass",               1856,  12,   1,  1,  1,                    Encoding::NonZeroFlag,  kFlag},
    FieldDef{Field::ZoneAlarmLimit,   "zone alarm limit, 0 = none", 1868,   1,   0,  1,  1,                    Encoding::Number,       {0, 25}},
    FieldDef{Field::AutoArm,          "auto arming (h), 0 = off",  1869,   1,   0,  1,  1,                    Encoding::Number,       kWholeByte},
    FieldDef{Field::NightWalk,        "night walk time (min)",     1870,   1,   0,  1,  1,                    Encoding::Number,       {1, 25}},
    FieldDef{Field::RemoteButtons,    "remote-control buttons",    1871,  12,   2, kButtonPairBytes, kRemoteButtons, Encoding::ButtonPair, {0, 8}},
};
// clang-format on

// Byte ranges that nothing reads or writes: whatever the module or a data
// file put there goes back unchanged.
struct Region
{
    std::string_view name;
    int offset;
    int size;

    constexpr bool contains(int at) const { return at >= offset && at < offset + size; }
};

inline constexpr std::array kLeftAsRead{
    Region{"unused 48th event record", 1645, 26},
    Region{"end of block 7", 1895, 153},
};

// A field of one record, located in the image.
struct FieldRef
{
    int offset;
    int size;
    int items;
    Encoding encoding;
    Range range;

    constexpr int end() const { return offset + size; }
};

namespace detail {
constexpr bool tableFollowsEnum()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (std::size_t(kFields[i].field) != i)
            return false;
    return true;
}
} // namespace detail
static_assert(detail::tableFollowsEnum(), "kFields must list every Field in enum order");

namespace detail {
constexpr bool fieldsInsideImage()
{
    for (const FieldDef& def : kFields)
        if (def.base < 0 || def.base + def.stride * (def.records - 1) + def.size > ParameterImage::kSize)
            return false;
    return true;
}
} // namespace detail
static_assert(detail::fieldsInsideImage(), "every record must lie inside the image");

constexpr const FieldDef& fieldDef(Field field)
{
    return kFields[std::size_t(field)];
}

constexpr int recordCount(Field field)
{
    return fieldDef(field).records;
}

// Record numbers start at 1: user n, zone n, event row e, relay n, ...
constexpr FieldRef fieldRef(Field field, int record = 1)
{
    const FieldDef& def = fieldDef(field);
    Q_ASSERT(record >= 1 && record <= def.records);
    return {def.base + def.stride * (record - 1), def.size, def.items, def.encoding, def.range};
}

constexpr int offsetOf(Field field, int record = 1)
{
    return fieldRef(field, record).offset;
}

// Which field record holds a byte of the image, if any.
struct FieldLocation
{
    Field field;
    int record;
};

constexpr std::optional<FieldLocation> fieldAtOffset(int offset)
{
    for (const FieldDef& def : kFields)
        for (int record = 1; record <= def.records; ++record) {
            const FieldRef ref = fieldRef(def.field, record);
            if (offset >= ref.offset && offset < ref.end())
                return FieldLocation{def.field, record};
        }
    return std::nullopt;
}

constexpr bool isLeftAsRead(int offset)
{
    for (const Region& region : kLeftAsRead)
        if (region.contains(offset))
            return true;
    return false;
}

// The bytes of the user codes and the installer code, which a comparison of
// the image with the module leaves out.
constexpr bool isCodeByte(int offset)
{
    const auto location = fieldAtOffset(offset);
    return location && fieldDef(location->field).encoding == Encoding::Code;
}

} // namespace params
