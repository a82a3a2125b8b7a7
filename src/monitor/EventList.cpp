#include "monitor/EventList.h"

#include "monitor/EventCatalogue.h"

namespace monitor {

namespace {
constexpr int kNewestPossible = kEventMemoryRecords - 1;
constexpr int kKeypadZone = 0;
constexpr int kInstallerUser = 13;
constexpr int kAutomaticUser = 14;

QString namedNumber(int number, QStringView name)
{
    return QString::number(number).append(u". ").append(name);
}

QString storedOrNothing(const std::array<QString, kNameCount>& names, int number)
{
    return number >= 1 && number <= kNameCount ? names[std::size_t(number - 1)] : QString();
}
} // namespace

std::array<int, kEventGridRows> eventRingOrder(int newest)
{
    std::array<int, kEventGridRows> order{};
    int p = newest > kNewestPossible ? kNewestPossible : newest;
    for (int& record : order) {
        if (p < 0)
            p = kNewestPossible;
        record = p--;
    }
    return order;
}

QString eventListWho(const EventRecord& record, const StoredNames& names)
{
    const int number = record.number();
    switch (eventClass(record.code())) {
    case EventClass::Zone:
        return namedNumber(number, number == kKeypadZone ? QStringLiteral("LCD-Kezelő")
                                                         : storedOrNothing(names.zones, number));
    case EventClass::User:
        if (number == kInstallerUser)
            return namedNumber(number, u"Telepítő");
        if (number == kAutomaticUser)
            return namedNumber(number, u"Automat.");
        return namedNumber(number, storedOrNothing(names.users, number));
    case EventClass::System:
    case EventClass::Unused: break;
    }
    return {};
}

std::array<EventListRow, kEventGridRows> eventListRows(QByteArrayView eventMemory, const StoredNames& names)
{
    const int newest = kNewestIndexAt < eventMemory.size() ? std::uint8_t(eventMemory[kNewestIndexAt]) : 0;
    const auto order = eventRingOrder(newest);
    std::array<EventListRow, kEventGridRows> rows;
    for (int r = 0; r < kEventGridRows; ++r) {
        auto& row = rows[std::size_t(r)];
        row.serial = r + 1;
        row.record = order[std::size_t(r)];
        const EventRecord record = EventRecord::at(eventMemory, qsizetype(row.record) * EventRecord::kSize);
        row.columns = eventRow(record);
        if (!row.columns.isEmpty())
            row.columns.who = eventListWho(record, names);
    }
    return rows;
}

} // namespace monitor
