#pragma once

#include "link/BlockFrame.h"

#include <QDateTime>
#include <QString>

// The module's clock block (address FFFE): bytes 0-4 hold the year within
// the century, month, day, hour and minute as plain binary numbers.
namespace maint {

// The frame that sets the clock to `localTime` (seconds are not sent): the
// five clock bytes, zeros up to the address, address FFFE and the checksum
// most significant byte first.
Frame BuildClockFrame(const QDateTime& localTime);

// "A modul órája: YY/MM/DD - hh:mm" from a clock block read from the module.
QString clockText(const Frame& clockBlock);

} // namespace maint
