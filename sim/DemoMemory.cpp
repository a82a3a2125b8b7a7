#include "DemoMemory.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
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

// Contact-ID event codes of the reports, three decimal digits each.
using ContactId = std::array<std::uint8_t, layout::kContactIdDigits>;
namespace contactid {
constexpr ContactId kFire = {1, 1, 0};
constexpr ContactId kPanic = {1, 2, 0};
constexpr ContactId kDuress = {1, 2, 1};
constexpr ContactId kBurglary = {1, 3, 0};
constexpr ContactId kTamper = {1, 3, 7};
constexpr ContactId kMainsFailure = {3, 0, 1};
constexpr ContactId kLowBattery = {3, 0, 2};
constexpr ContactId kNoBattery = {3, 1, 1};
constexpr ContactId kRadioJamming = {3, 4, 4};
constexpr ContactId kGsmSignalLost = {3, 5, 5};
constexpr ContactId kRadioBattery = {3, 8, 4};
constexpr ContactId kSensorWatch = {3, 9, 1};
constexpr ContactId kOpenClose = {4, 0, 1};
constexpr ContactId kTestReport = {6, 0, 2};
constexpr ContactId kClockSet = {6, 2, 5};
constexpr ContactId kClockLost = {6, 2, 6};
constexpr ContactId kProgrammed = {6, 2, 7};
} // namespace contactid

// Report routes: calls to numbers 1..4, SMS to numbers 1..4, the centre.
namespace route {
constexpr std::uint16_t kCall1 = 1 << 0;
constexpr std::uint16_t kCall2 = 1 << 1;
constexpr std::uint16_t kSms1 = 1 << 4;
constexpr std::uint16_t kSms2 = 1 << 5;
constexpr std::uint16_t kCentre = 1 << 8;

constexpr std::uint16_t kAlarm = kCall1 | kSms1 | kCentre;
constexpr std::uint16_t kRestore = kSms1 | kCentre;
constexpr std::uint16_t kArming = kSms2 | kCentre;
constexpr std::uint16_t kTrouble = kSms1 | kCentre;
} // namespace route

// Recorded voice messages the module plays on a call; 0 plays none.
namespace voice {
constexpr std::uint8_t kNone = 0;
constexpr std::uint8_t kBurglary = 1;
constexpr std::uint8_t kTamper = 2;
constexpr std::uint8_t kFire = 4;
constexpr std::uint8_t kPanic = 5;
constexpr std::uint8_t kMainsFailure = 6;
} // namespace voice

// In the SMS texts the module puts the zone's or user's name for "$".
struct DemoReport
{
    ContactId contactId;
    std::uint16_t routes;
    std::u16string_view sms;
    std::uint8_t voice;
};

constexpr int kInputs = 12;
constexpr int kSmokeInput = 11;
constexpr int kPanicInput = 12;

// Events 1..24: the alarm and the restore of inputs 1..12 in turn.
constexpr DemoReport inputAlarm(int input)
{
    if (input == kSmokeInput)
        return {contactid::kFire, route::kAlarm | route::kCall2, u"Tűzjelzés: $", voice::kFire};
    if (input == kPanicInput)
        return {contactid::kPanic, route::kAlarm | route::kCall2, u"Pánik: $", voice::kPanic};
    return {contactid::kBurglary, route::kAlarm, u"Riasztás: $", voice::kBurglary};
}

constexpr DemoReport inputRestore(int input)
{
    return {inputAlarm(input).contactId, route::kRestore, u"Visszaállás: $", voice::kNone};
}

// Events 25..47 in the order of the event list.
constexpr std::array<DemoReport, 23> kOtherReports = {{
    {contactid::kTamper, route::kAlarm, u"Szabotázs: $", voice::kTamper},
    {contactid::kTamper, route::kRestore, u"Szabotázs vége: $", voice::kNone},
    {contactid::kOpenClose, route::kArming, u"Élesítve P1: $", voice::kNone},
    {contactid::kOpenClose, route::kArming, u"Élesítve P2: $", voice::kNone},
    {contactid::kOpenClose, route::kArming, u"Kikapcsolva P1: $", voice::kNone},
    {contactid::kOpenClose, route::kArming, u"Kikapcsolva P2: $", voice::kNone},
    {contactid::kTestReport, route::kCentre, u"Tesztjelentés", voice::kNone},
    {contactid::kMainsFailure, route::kTrouble | route::kCall1, u"Hálózat kimaradt", voice::kMainsFailure},
    {contactid::kMainsFailure, route::kTrouble, u"Hálózat helyreállt", voice::kNone},
    {contactid::kLowBattery, route::kTrouble, u"Akku alacsony", voice::kNone},
    {contactid::kLowBattery, route::kTrouble, u"Akku rendben", voice::kNone},
    {contactid::kNoBattery, route::kTrouble, u"Akku hiányzik", voice::kNone},
    {contactid::kRadioBattery, route::kTrouble, u"RF elem gyenge: $", voice::kNone},
    {contactid::kRadioBattery, route::kTrouble, u"RF elem rendben: $", voice::kNone},
    {contactid::kSensorWatch, route::kTrouble, u"Zóna takarás: $", voice::kNone},
    {contactid::kSensorWatch, route::kTrouble, u"Takarás vége: $", voice::kNone},
    {contactid::kClockLost, route::kCentre, u"Óra elveszett", voice::kNone},
    {contactid::kClockSet, route::kCentre, u"Óra beállítva", voice::kNone},
    {contactid::kProgrammed, route::kCentre, u"Programozás: $", voice::kNone},
    {contactid::kGsmSignalLost, route::kSms1, u"GSM térerő alacsony", voice::kNone},
    {contactid::kGsmSignalLost, route::kSms1, u"GSM térerő rendben", voice::kNone},
    {contactid::kDuress, route::kAlarm | route::kCall2, u"Kényszerkód: $", voice::kPanic},
    {contactid::kRadioJamming, route::kTrouble, u"Rádiós zavarás", voice::kNone},
}};

constexpr int kReportCount = 2 * kInputs + int(kOtherReports.size());
static_assert(kReportCount == 47);

constexpr DemoReport report(int e)
{
    if (e <= 2 * kInputs)
        return e % 2 == 1 ? inputAlarm((e + 1) / 2) : inputRestore(e / 2);
    return kOtherReports[std::size_t(e - 2 * kInputs - 1)];
}

constexpr bool smsTextsFit()
{
    for (int e = 1; e <= kReportCount; ++e)
        if (report(e).sms.size() > std::size_t(layout::kSmsLength))
            return false;
    return true;
}
static_assert(smsTextsFit());

// Rows of the relays' event lists: 0 is the telephone remote control, row e
// event e.
namespace row {
constexpr int kPhoneControl = 0;
constexpr std::initializer_list<int> kInputAlarms = {1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23};
constexpr int kDisarmP1 = 29;
constexpr int kDisarmP2 = 30;
constexpr int kMainsFailure = 32;
constexpr int kMainsRestored = 33;
} // namespace row

// Remote-control button functions, as the lists of the settings number them.
namespace button {
constexpr std::uint8_t kNothing = 0;
constexpr std::uint8_t kArmBoth = 1;
constexpr std::uint8_t kArmP1 = 2;
constexpr std::uint8_t kNightArming = 4;
constexpr std::uint8_t kDisarm = 5;
constexpr std::uint8_t kRelay1 = 6;
} // namespace button

using DemoButtons = std::array<std::uint8_t, 4>; // buttons A, B, C, D

// Siren output modes.
constexpr std::uint8_t kSirenPositive = 0; // 0 V at rest, 12 V sounding
constexpr std::uint8_t kSirenNegative = 1; // 12 V at rest, 0 V sounding

// A telephone number: its ASCII digits, zero bytes after them.
void storeDigits(ParameterMemory& mem, int offset, std::string_view digits)
{
    const std::string_view fitting = digits.substr(0, layout::kPhoneLength);
    std::fill_n(mem.begin() + offset, layout::kPhoneLength, 0);
    std::copy(fitting.begin(), fitting.end(), mem.begin() + offset);
}

void storeEventMask(ParameterMemory& mem, int offset, std::initializer_list<int> rows)
{
    for (const int r : rows)
        mem[std::size_t(offset + r / 8)] |= std::uint8_t(1 << (r % 8));
}

void placeReport(ParameterMemory& mem, int e, const DemoReport& report)
{
    const int at = layout::report(e);
    std::copy(report.contactId.begin(), report.contactId.end(), mem.begin() + at + layout::kReportContactId);
    mem[std::size_t(at + layout::kReportRoutes)] = std::uint8_t(report.routes >> 8);
    mem[std::size_t(at + layout::kReportRoutes + 1)] = std::uint8_t(report.routes);
    storeText(mem, at + layout::kReportSms, layout::kSmsLength, text(report.sms));
    mem[std::size_t(at + layout::kReportVoice)] = report.voice;
}

// Relay n switched on by the events of `onRows`, off by those of `offRows`,
// with its start delay and longest time in seconds.
void placeRelay(ParameterMemory& mem, int n, std::initializer_list<int> onRows, std::initializer_list<int> offRows,
                std::uint8_t delay, std::uint8_t time)
{
    const int at = layout::relay(n);
    storeEventMask(mem, at + layout::kRelayOnEvents, onRows);
    storeEventMask(mem, at + layout::kRelayOffEvents, offRows);
    mem[std::size_t(at + layout::kRelayDelay)] = delay;
    mem[std::size_t(at + layout::kRelayTime)] = time;
}

void placeSiren(ParameterMemory& mem, int n, std::uint8_t mode, std::uint8_t delaySeconds, std::uint8_t minutes)
{
    const int at = layout::siren(n);
    mem[std::size_t(at + layout::kSirenMode)] = mode;
    mem[std::size_t(at + layout::kSirenDelay)] = delaySeconds;
    mem[std::size_t(at + layout::kSirenTime)] = minutes;
}

void placeButtons(ParameterMemory& mem, int user, const DemoButtons& b)
{
    const int at = layout::remoteButtons(user);
    mem[std::size_t(at)] = std::uint8_t(b[0] << 4 | b[1]);
    mem[std::size_t(at + 1)] = std::uint8_t(b[2] << 4 | b[3]);
}

// How the module reports: the events, the numbers it calls and the centre's
// account.
void placeReporting(ParameterMemory& mem)
{
    for (int e = 1; e <= kReportCount; ++e)
        placeReport(mem, e, report(e));
    storeDigits(mem, layout::phone(1), "36301234567");
    storeDigits(mem, layout::phone(2), "36209876543");
    storeDigits(mem, layout::kCentrePhone1, "3614567890");
    // Number 1 stops the calls with "#", number 2 acknowledges with "*".
    constexpr std::array<std::uint8_t, 4> kAcknowledgement = {2, 1, 0, 0};
    std::copy(kAcknowledgement.begin(), kAcknowledgement.end(), mem.begin() + layout::kAcknowledgement);
    constexpr std::array<std::uint8_t, layout::kAccountDigits> kAccount = {0x1, 0xA, 0x2, 0xF};
    std::copy(kAccount.begin(), kAccount.end(), mem.begin() + layout::kAccount);
}

// The outputs: relay 1 opens the gate from the telephone, relay 2 a flash
// light on every alarm until disarmed, relay 3 follows a mains failure after
// a minute.
void placeOutputs(ParameterMemory& mem)
{
    placeSiren(mem, 1, kSirenPositive, 0, 3);
    placeSiren(mem, 2, kSirenNegative, 30, 5);
    placeRelay(mem, 1, {row::kPhoneControl}, {}, 0, 5);
    placeRelay(mem, 2, row::kInputAlarms, {row::kDisarmP1, row::kDisarmP2}, 0, 180);
    placeRelay(mem, 3, {row::kMainsFailure}, {row::kMainsRestored}, 60, 0);
}

void placeTimes(ParameterMemory& mem)
{
    const std::array<std::pair<int, std::uint8_t>, 7> bytes = {{
        {layout::kAlarmTime, 10},
        {layout::kTestHour, 6},
        {layout::kTestMinute, 30},
        {layout::kTestPeriod, 7},
        {layout::kZoneAlarmLimit, 3},
        {layout::kAutoArming, 0},
        {layout::kNightWalk, 5},
    }};
    for (const auto& [offset, value] : bytes)
        mem[std::size_t(offset)] = value;
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
    placeReporting(mem);
    placeOutputs(mem);
    placeTimes(mem);
    placeButtons(mem, 1, {button::kArmBoth, button::kDisarm, button::kRelay1, button::kNothing});
    placeButtons(mem, 2, {button::kArmP1, button::kDisarm, button::kNightArming, button::kNothing});
    return mem;
}
