// One received "AT_{" line: eight event records in hex, or fewer, or junk.

#include "FuzzInput.h"

#include "monitor/LastEvents.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView line = fuzzBytes(data, size);
    (void)monitor::parseLastEvents(line);
    for (int r = 0; r < monitor::kLastEventCount; ++r)
        (void)monitor::lastEventWho(monitor::lastEventRecord(line, r));
    return 0;
}
