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
