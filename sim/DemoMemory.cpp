#include "DemoMemory.h"


#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace {

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

QString text(std::u16string_view chars)
{
    return QString::fromUtf16(chars.data(), qsizetype(chars.size()));
}

void placeUser(ParameterMemory& mem, int n, const DemoUser& user)
{
    const int at = layout::user(n);
    storeText(mem, at + layout::kUserName, layout::kNameLength, text(user.name));
    const auto code = encodeCode(text(user.code));
    std::copy(code.begin(), code.end(), mem.begin() + at + layout::kUserCode);
    // The rights word: its first byte holds rights 16..9, the second 8..1.
    mem[std::size_t(at + layout::kUserRights)] = std::uint8_t(user.rights >> 8);
    mem[std::size_t(at + layout::kUserRights + 1)] = std::uint8_t(user.rights);
}

void placeZone(ParameterMemory& mem, int n, const DemoZone& zone)
{
    const int at = layout::zone(n);
    storeText(mem, at + layout::kZoneName, layout::kNameLength, text(zone.name));
    const std::array<std::pair<int, std::uint8_t>, 10> bytes = {{
        {layout::kZoneWiring, zone.wiring},
        {layout::kZonePartition, zone.partition},
        {layout::kZoneSensitivity, zone.sensitivity},
        {layout::kZoneEntryDelay, zone.entryDelay},
        {layout::kZoneExitDelay, zone.exitDelay},
        {layout::kZoneSilent, zone.silent},
        {layout::kZoneSmartTime, zone.smartTime},
        {layout::kZoneFollower, zone.follower},
        {layout::kZoneCoverTime, zone.coverTime},
        {layout::kZoneNight, zone.night},
    }};
    for (const auto& [offset, value] : bytes)
        mem[std::size_t(at + offset)] = value;
}

} // namespace

ParameterMemory demoParameterMemory()
{
    ParameterMemory mem{};
    for (std::size_t n = 0; n < kUsers.size(); ++n)
        placeUser(mem, int(n) + 1, kUsers[n]);
    storeInstallerCode(mem, text(demo::kInstallerCode));
    for (std::size_t n = 0; n < kZones.size(); ++n)
        placeZone(mem, int(n) + 1, kZones[n]);
    return mem;
}
