#include "monitor/LastEvents.h"

#include "monitor/EventCatalogue.h"

#include <optional>

namespace monitor {

namespace {
constexpr int kPrefixLength = 4; // "AT_{"
constexpr int kRecordDigits = 2 * EventRecord::kSize;

std::optional<int> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

std::uint8_t hexByte(QByteArrayView line, qsizetype at)
{
    if (at + 1 >= line.size())
        return 0;
    const auto high = hexDigit(line[at]);
    const auto low = hexDigit(line[at + 1]);
    return high && low ? std::uint8_t(*high << 4 | *low) : 0;
}
} // namespace

EventRecord lastEventRecord(QByteArrayView line, int r)
{
    EventRecord record;
    const qsizetype start = kPrefixLength + qsizetype(kRecordDigits) * r;
    for (int i = 0; i < EventRecord::kSize; ++i)
        record.bytes[std::size_t(i)] = hexByte(line, start + 2 * i);
    return record;
}

QString lastEventWho(const EventRecord& record)
{
    switch (eventClass(record.code())) {
    case EventClass::Zone: return QStringLiteral("Z=") + QString::number(record.number());
    case EventClass::User: return QStringLiteral("F=") + QString::number(record.number());
    case EventClass::System:
    case EventClass::Unused: break;
    }
    return QStringLiteral("--");
}

std::array<EventRow, kLastEventCount> parseLastEvents(QByteArrayView line)
{
    std::array<EventRow, kLastEventCount> rows;
    for (int r = 0; r < kLastEventCount; ++r) {
        const EventRecord record = lastEventRecord(line, r);
        auto& row = rows[std::size_t(r)];
        row = eventRow(record);
        if (!row.isEmpty())
            row.who = lastEventWho(record);
    }
    return rows;
}

} // namespace monitor
