#include "monitor/EventRecord.h"

namespace monitor {

EventRecord EventRecord::at(QByteArrayView data, qsizetype offset)
{
    EventRecord record;
    for (int i = 0; i < kSize; ++i) {
        const qsizetype at = offset + i;
        if (at >= 0 && at < data.size())
            record.bytes[std::size_t(i)] = std::uint8_t(data[at]);
    }
    return record;
}

} // namespace monitor
