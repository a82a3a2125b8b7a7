#include "DemoMemory.h"

#include "link/Cp1250.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace {

// Where the records lie and where each field sits inside its record.
namespace layout {
constexpr int kNameLength = 10;
constexpr int kUsersAt = 0;
constexpr int kUserSize = 15;
constexpr int kZonesAt = 183;
constexpr int kZoneSize = 20;
} // namespace layout

namespace userField {
constexpr int kName = 0;
constexpr int kCode = 10;
constexpr int kRights = 13; // big-endian word
} // namespace userField

namespace zoneField {
constexpr int kName = 0;
constexpr int kWiring = 10;
constexpr int kPartition = 11;
constexpr int kSensitivity = 12;
constexpr int kEntryDelay = 13;
constexpr int kExitDelay = 14;
constexpr int kSilent = 15;
constexpr int kSmartTime = 16;
constexpr int kFollower = 17;
constexpr int kCoverTime = 18;
constexpr int kNight = 19;
} // namespace zoneField

// Rights word bits (bit k-1 is right k).
namespace right {
constexpr std::uint16_t kPartition1 = 1 << 0;
constexpr std::uint16_t kPartition2 = 1 << 1;
constexpr std::uint16_t kArm = 1 << 2;
constexpr std::uint16_t kDisarm = 1 << 3;
constexpr std::uint16_t kChangeCode = 1 << 4;
constexpr std::uint16_t kEditUsers = 1 << 5;
constexpr std::uint16_t kFaultList = 1 << 6;
constexpr std::uint16_t kSetClock = 1 << 7;
constexpr std::uint16_t kEventList = 1 << 8;
constexpr std::uint16_t kZoneMemory = 1 << 9;
constexpr std::uint16_t kBypass = 1 << 10;
constexpr std::uint16_t kResetSmoke = 1 << 11;
constexpr std::uint16_t kPhoneArm = 1 << 12;
constexpr std::uint16_t kPhoneDisarm = 1 << 13;
constexpr std::uint16_t kPhoneRelay = 1 << 14;
constexpr std::uint16_t kPhoneVoice = 1 << 15;

constexpr std::uint16_t kEveryRight = 0xFFFF;
constexpr std::uint16_t kFamily = kPartition1 | kPartition2 | kArm | kDisarm | kChangeCode | kFaultList
    | kEventList | kZoneMemory | kBypass | kResetSmoke | kPhoneArm | kPhoneDisarm;
constexpr std::uint16_t kStaff = kPartition1 | kArm | kDisarm | kChangeCode;
constexpr std::uint16_t kGarageOnly = kPartition2 | kArm | kDisarm;
} // namespace right

struct DemoUser
{
    std::u16string_view name;
    std::u16string_view code; // empty: the user has no code
    std::uint16_t rights;
};

constexpr std::array<DemoUser, 12> kUsers = {{
    {u"Kovács Pál", u"4321", right::kEveryRight},
    {u"Szabó Éva", u"5678", right::kFamily | right::kEditUsers | right::kSetClock},
    {u"Kovács Ida", u"2580", right::kFamily},
    {u"Nagy Ödön", u"139742", right::kFamily | right::kPhoneRelay | right::kPhoneVoice},
    {u"Tóth Júlia", u"7777", right::kStaff},
    {u"Varga Géza", u"0415", right::kGarageOnly},
    {u"Molnár Ági", u"906512", right::kStaff | right::kFaultList},
    {u"Takarító", u"3690", right::kPartition1 | right::kDisarm},
    {u"Vendég", u"", 0},
    {u"Szerelő", u"8642", right::kFaultList | right::kEventList | right::kZoneMemory | right::kSetClock},
    {u"", u"", 0},
    {u"", u"", 0},
}};

// Wiring: 0 short-circuit active, 1 open-circuit active, 2 DEOL, 3 radio.
// Partition: 0 both, 1 first, 2 second, 3 24-hour zone.
// Night: 0 always armed, 1 armed follower, 2 off, 3 starting zone.
struct DemoZone
{
    std::u16string_view name;
    std::uint8_t wiring;
    std::uint8_t partition;
    std::uint8_t sensitivity; // tenths of a second
    std::uint8_t entryDelay;  // seconds
    std::uint8_t exitDelay;   // seconds
    std::uint8_t silent;
    std::uint8_t smartTime;   // minutes, 0..25
    std::uint8_t follower;
    std::uint8_t coverTime;   // hours, 0..25
    std::uint8_t night;
};

constexpr std::array<DemoZone, 12> kZones = {{
    {u"Bejárat", 1, 0, 5, 30, 45, 0, 0, 0, 0, 3},
    {u"Előszoba", 2, 0, 3, 0, 45, 0, 0, 1, 0, 1},
    {u"Nappali", 2, 1, 3, 0, 0, 0, 2, 1, 0, 1},
    {u"Hálószoba", 2, 1, 3, 0, 0, 0, 0, 0, 0, 2},
    {u"Konyha", 2, 1, 3, 0, 0, 0, 0, 1, 0, 0},
    {u"Garázs", 1, 2, 5, 20, 60, 0, 0, 0, 0, 0},
    {u"Pince", 0, 2, 10, 0, 0, 0, 5, 0, 24, 0},
    {u"Ablak É", 3, 1, 2, 0, 0, 0, 0, 0, 0, 0},
    {u"Ablak D", 3, 1, 2, 0, 0, 0, 0, 0, 0, 0},
    {u"Terasz", 1, 0, 5, 0, 0, 0, 10, 0, 0, 0},
    {u"Füstjelző", 0, 3, 20, 0, 0, 0, 0, 0, 0, 0},
    {u"Pánikgomb", 0, 3, 1, 0, 0, 1, 0, 0, 0, 0},
}};

// Every character of these names is one byte of the code page.
template <typename Record, std::size_t N>
constexpr bool namesFit(const std::array<Record, N>& records)
{
    return std::all_of(records.begin(), records.end(),
                       [](const Record& r) { return r.name.size() <= std::size_t(layout::kNameLength); });
}
static_assert(namesFit(kUsers) && namesFit(kZones));

// A text field: the code-page bytes of the text, padded with spaces.
void placeName(ParameterMemory& mem, int at, std::u16string_view name)
{
    const QByteArray bytes = toCp1250(QStringView(name.data(), qsizetype(name.size())));
    std::fill_n(mem.begin() + at, layout::kNameLength, ' ');
    std::copy_n(bytes.begin(), std::min<qsizetype>(bytes.size(), layout::kNameLength), mem.begin() + at);
}

void placeUser(ParameterMemory& mem, int at, const DemoUser& user)
{
    placeName(mem, at + userField::kName, user.name);
    const CodeField code = packCode(QString::fromUtf16(user.code.data(), qsizetype(user.code.size())));
    std::copy(code.begin(), code.end(), mem.begin() + at + userField::kCode);
    mem[at + userField::kRights] = std::uint8_t(user.rights >> 8);
    mem[at + userField::kRights + 1] = std::uint8_t(user.rights & 0xFF);
}

void placeZone(ParameterMemory& mem, int at, const DemoZone& zone)
{
    placeName(mem, at + zoneField::kName, zone.name);
    mem[at + zoneField::kWiring] = zone.wiring;
    mem[at + zoneField::kPartition] = zone.partition;
    mem[at + zoneField::kSensitivity] = zone.sensitivity;
    mem[at + zoneField::kEntryDelay] = zone.entryDelay;
    mem[at + zoneField::kExitDelay] = zone.exitDelay;
    mem[at + zoneField::kSilent] = zone.silent;
    mem[at + zoneField::kSmartTime] = zone.smartTime;
    mem[at + zoneField::kFollower] = zone.follower;
    mem[at + zoneField::kCoverTime] = zone.coverTime;
    mem[at + zoneField::kNight] = zone.night;
}

} // namespace

ParameterMemory demoParameterMemory()
{
    ParameterMemory mem{};
    for (std::size_t n = 0; n < kUsers.size(); ++n)
        placeUser(mem, layout::kUsersAt + int(n) * layout::kUserSize, kUsers[n]);
    storeInstallerCode(mem, QString::fromUtf16(demo::kInstallerCode));
    for (std::size_t n = 0; n < kZones.size(); ++n)
        placeZone(mem, layout::kZonesAt + int(n) * layout::kZoneSize, kZones[n]);
    return mem;
}
