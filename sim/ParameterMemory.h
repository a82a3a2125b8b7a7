#pragma once

#include "ModuleFrames.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The module's parameter memory: 2048 bytes in eight blocks of 256, block n
// at block address n.
namespace memory {
constexpr int kBlockSize = moduleframe::kDataSize;
constexpr int kBlockCount = 8;
constexpr int kSize = kBlockCount * kBlockSize;
} // namespace memory

using ParameterMemory = std::array<std::uint8_t, memory::kSize>;

// Where the module keeps what it acts on. Users and zones are numbered from 1.
namespace layout {

// User n: name (10 bytes), code (3), rights (2) in a 15-byte record.
constexpr int kUserRecord = 15;
constexpr int user(int n) { return kUserRecord * (n - 1); }
constexpr int kUserName = 0;
constexpr int kUserCode = 10;
constexpr int kUserRights = 13;

constexpr int kInstallerCode = 180;
constexpr int kCodeBytes = 3;

// Zone n: a 20-byte record from 183 on.
constexpr int kZoneRecord = 20;
constexpr int zone(int n) { return 183 + kZoneRecord * (n - 1); }
constexpr int kZoneName = 0;
constexpr int kZoneWiring = 10;
constexpr int kZonePartition = 11;
constexpr int kZoneSensitivity = 12;
constexpr int kZoneEntryDelay = 13;
constexpr int kZoneExitDelay = 14;
constexpr int kZoneSilent = 15;
constexpr int kZoneSmartTime = 16;
constexpr int kZoneFollower = 17;
constexpr int kZoneCoverTime = 18;
constexpr int kZoneNight = 19;

// Names: characters of the code page, padded with blanks.
constexpr int kNameLength = 10;

// Report of event e (1..47): a 26-byte record from 423 on. The Contact-ID
// code is three bytes of one digit each, the routes a word of bits 0..8
// (T1..T4, S1..S4, centre), the SMS text 20 characters padded with blanks.
constexpr int kReportRecord = 26;
constexpr int report(int e) { return 423 + kReportRecord * (e - 1); }
constexpr int kReportContactId = 0;
constexpr int kReportRoutes = 3;
constexpr int kReportSms = 5;
constexpr int kReportVoice = 25;
constexpr int kContactIdDigits = 3;
constexpr int kSmsLength = 20;

// Telephone numbers: 16 bytes each, one ASCII digit a byte, 0 after the last.
constexpr int kPhoneLength = 16;
constexpr int kPhone1 = 1671; // numbers 1..4 follow each other
constexpr int phone(int n) { return kPhone1 + kPhoneLength * (n - 1); }
constexpr int kCentrePhone1 = 1735;
constexpr int kCentrePhone2 = 1751;
constexpr int kSmsForwardPhone = 1767;

constexpr int kAcknowledgement = 1783; // one byte for each of numbers 1..4
constexpr int kAccount = 1787;         // four bytes of one hex digit each
constexpr int kAccountDigits = 4;
constexpr int kArmingInputsMode = 1791;

// Siren output n (1, 2): mode, start delay (s), longest sounding (min).
constexpr int siren(int n) { return 1792 + 3 * (n - 1); }
constexpr int kSirenMode = 0;
constexpr int kSirenDelay = 1;
constexpr int kSirenTime = 2;

// Relay n (1..3): the events that switch it on and off as 8-byte masks
// (row r is bit r % 8 of byte r / 8), then start delay and longest time (s).
constexpr int relay(int n) { return 1798 + 18 * (n - 1); }
constexpr int kRelayOnEvents = 0;
constexpr int kRelayOffEvents = 8;
constexpr int kRelayDelay = 16;
constexpr int kRelayTime = 17;
constexpr int kEventMaskBytes = 8;

constexpr int kAlarmTime = 1852; // minutes
constexpr int kTestHour = 1853;
constexpr int kTestMinute = 1854;
constexpr int kTestPeriod = 1855; // days
constexpr int kBypass = 1856;     // one byte for each of zones 1..12
constexpr int kZoneAlarmLimit = 1868;
constexpr int kAutoArming = 1869; // hours, 0 = never
constexpr int kNightWalk = 1870;  // minutes

// Remote buttons of user n: two bytes, the functions of buttons A, B, C, D
// as four nibbles, A the high nibble of the first byte.
constexpr int remoteButtons(int n) { return 1871 + 2 * (n - 1); }

// A zone's wiring byte.
namespace wiring {
constexpr int kActiveOnShort = 0;
constexpr int kActiveOnOpen = 1;
constexpr int kDoubleEndOfLine = 2;
constexpr int kRadio = 3;
} // namespace wiring

// A zone's partition byte.
namespace partition {
constexpr int kBoth = 0;
constexpr int kFirst = 1;
constexpr int kSecond = 2;
constexpr int kAllDay = 3;
} // namespace partition

} // namespace layout

BlockBytes memoryBlock(const ParameterMemory& mem, int block);

// A code of up to six digits in three bytes: six nibbles, high nibble of the
// first byte first, digit d as 15 - d, no digit as 0. Characters other than
// digits count as no digit.
std::array<std::uint8_t, layout::kCodeBytes> encodeCode(const QString& digits);
void storeInstallerCode(ParameterMemory& mem, const QString& digits);

// The code as commands carry it: the stored installer code's three bytes in
// upper-case hex ("1234" is stored as ED CB 00 and sent as "EDCB00").
QByteArray installerCodeText(const ParameterMemory& mem);

// Writes `text` as a name of `length` bytes from `offset`, padded with blanks.
void storeText(ParameterMemory& mem, int offset, int length, const QString& text);
// The name from `offset`, zero bytes skipped and trailing blanks removed.
QString readText(const ParameterMemory& mem, int offset, int length);
