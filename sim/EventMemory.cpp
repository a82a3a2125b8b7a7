#include "EventMemory.h"

#include <algorithm>

namespace {
constexpr int kMonthShift = 4;
constexpr int kNumberMask = 0x0F;
} // namespace

LoggedEvent eventRecord(std::uint8_t code, int number, const QDateTime& when, std::uint8_t targets,
                        std::uint8_t flags)
{
    const QDate date = when.date();
    const QTime time = when.time();
    LoggedEvent record;
    record.bytes = {code,
                    std::uint8_t(date.month() << kMonthShift | (number & kNumberMask)),
                    std::uint8_t(date.day()),
                    std::uint8_t(time.hour()),
                    std::uint8_t(time.minute()),
                    0,
                    targets,
                    flags};
    return record;
}

void EventMemory::log(const LoggedEvent& record)
{
    m_newest = (m_newest + 1) % kRecords;
    m_records[std::size_t(m_newest)] = record;
}

std::vector<LoggedEvent> EventMemory::newest(int count) const
{
    std::vector<LoggedEvent> records;
    for (int i = 0; i < count; ++i)
        records.push_back(record((m_newest - i + kRecords) % kRecords));
    return records;
}

std::optional<BlockBytes> EventMemory::block(std::uint16_t address) const
{
    const int n = address - kFirstBlock;
    if (address < kFirstBlock || n >= kBlocks)
        return std::nullopt;
    std::array<std::uint8_t, kBlocks * moduleframe::kDataSize> area{};
    for (int i = 0; i < kRecords; ++i)
        std::copy(m_records[std::size_t(i)].bytes.begin(), m_records[std::size_t(i)].bytes.end(),
                  area.begin() + i * LoggedEvent::kSize);
    area[kNewestIndexAt] = std::uint8_t(m_newest);
    BlockBytes data{};
    std::copy_n(area.begin() + n * moduleframe::kDataSize, moduleframe::kDataSize, data.begin());
    return data;
}
