#pragma once

#include "EventMemory.h"
#include "LiveModule.h"

#include <QByteArray>
#include <QString>

#include <array>

// The module's status lines: the status report "AT_[", the last eight events
// "AT_{" and the free-text message "AT_/".
namespace statusline {

// The report's four forms, told apart by their length: the longer ones add
// the mains state, then the battery voltage, then the temperature.
inline constexpr int kFirstForm = 1;
inline constexpr int kLastForm = 4;
inline constexpr std::array kFormLengths = {84, 86, 89, 92};
inline constexpr int kLastEvents = 8;

// A value as the character whose code is 48 + value.
char digitChar(int value);
// A 12-bit value as two 6-bit characters, the upper six bits first.
std::array<char, 2> sixBitPair(int raw);
// An 8-bit value as two 4-bit characters, the upper nibble first.
std::array<char, 2> fourBitPair(int value);

// The smallest 12-bit measurement the program reads as this voltage, with
// t = trunc((10 raw - 3600) / 61) + 59 tenths of a volt. Voltages outside
// what the measurement can show are clamped to its range (5.9 V to 67.1 V).
int rawForTenths(int tenths);
// Sign and magnitude: 128 + |t| below zero.
int temperatureByte(int celsius);

QByteArray reportLine(const LiveModule& module, int form);
QByteArray lastEventsLine(const EventMemory& events);
// The text in windows-1250 after the prefix.
QByteArray messageLine(const QString& text);

} // namespace statusline
