#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The module's command words and the installer code they carry.

constexpr int kCodeLength = 6;

// Command indexes of SendCommand.
namespace command {
constexpr std::uint8_t kCodeCheck = 0;      // RPWD
constexpr std::uint8_t kStatusPoll = 1;     // RPWS
constexpr std::uint8_t kEventPoll = 2;      // RPWE
constexpr std::uint8_t kAlarmStop = 3;      // RSTP
constexpr std::uint8_t kDisarmP1 = 4;       // PT1D
constexpr std::uint8_t kDisarmP2 = 5;       // PT2D
constexpr std::uint8_t kArmP1 = 6;          // PT1A
constexpr std::uint8_t kArmP2 = 7;          // PT2A
constexpr std::uint8_t kRadioPoll = 8;      // RPWF
constexpr std::uint8_t kRadioDeleteAll = 9; // DLRF
constexpr std::uint8_t kTeachRadioFirst = 128;
constexpr int kRadioPlaces = 36;
constexpr char kTeachCharacterBase = '0';
} // namespace command

// The characters of the installer code box that are decimal digits, in order.
QString GetInstallerCode(const QString& editText);

// Six characters: for each position the hex digit of 15 - d, or "0" where
// the code has no digit.
QByteArray encodeInstallerCode(const QString& code);

// The line SendCommand sends for `index` (without CR), or nothing for the
// indexes that have no command.
std::optional<QByteArray> commandLine(std::uint8_t index, const QString& code);
