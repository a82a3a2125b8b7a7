#include "maint/ClockFrame.h"

#include <array>

namespace maint {

namespace {

namespace at {
constexpr int kYear = 0;
constexpr int kMonth = 1;
constexpr int kDay = 2;
constexpr int kHour = 3;
constexpr int kMinute = 4;
} // namespace at

constexpr int kYearsPerCentury = 100;

QString twoDigits(std::uint8_t value)
{
    return QStringLiteral("%1").arg(int(value), 2, 10, QLatin1Char('0'));
}

} // namespace

Frame BuildClockFrame(const QDateTime& localTime)
{
    std::array<std::uint8_t, frame::kDataSize> data{};
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    data[at::kYear] = std::uint8_t(date.year() % kYearsPerCentury);
    data[at::kMonth] = std::uint8_t(date.month());
    data[at::kDay] = std::uint8_t(date.day());
    data[at::kHour] = std::uint8_t(time.hour());
    data[at::kMinute] = std::uint8_t(time.minute());
    return BuildWriteFrame(data, frame::kClockAddress);
}

QString clockText(const Frame& clockBlock)
{
    return QStringLiteral("A modul órája: %1/%2/%3 - %4:%5")
        .arg(twoDigits(clockBlock[at::kYear]), twoDigits(clockBlock[at::kMonth]), twoDigits(clockBlock[at::kDay]),
             twoDigits(clockBlock[at::kHour]), twoDigits(clockBlock[at::kMinute]));
}

} // namespace maint
