#include "ModuleClock.h"

namespace {

namespace at {
constexpr int kYear = 0;
constexpr int kMonth = 1;
constexpr int kDay = 2;
constexpr int kHour = 3;
constexpr int kMinute = 4;
} // namespace at

constexpr int kCentury = 2000;
constexpr int kYearsPerCentury = 100;

} // namespace

BlockBytes ModuleClock::block() const
{
    const QDateTime time = now();
    BlockBytes data{};
    data[at::kYear] = std::uint8_t(time.date().year() % kYearsPerCentury);
    data[at::kMonth] = std::uint8_t(time.date().month());
    data[at::kDay] = std::uint8_t(time.date().day());
    data[at::kHour] = std::uint8_t(time.time().hour());
    data[at::kMinute] = std::uint8_t(time.time().minute());
    return data;
}

bool ModuleClock::setFromBlock(const BlockBytes& data)
{
    if (data[at::kYear] >= kYearsPerCentury)
        return false;
    const QDate date(kCentury + data[at::kYear], data[at::kMonth], data[at::kDay]);
    const QTime time(data[at::kHour], data[at::kMinute]);
    if (!date.isValid() || !time.isValid())
        return false;
    set(QDateTime(date, time));
    return true;
}
