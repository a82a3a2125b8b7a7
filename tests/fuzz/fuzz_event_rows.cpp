// The downloaded event memory (blocks F000-F003) and name blocks (0-2) of any
// content, turned into the rows of the short event list. The first 1024
// bytes are the event memory, the rest the name blocks; missing bytes are 0.

#include "FuzzInput.h"

#include "monitor/EventList.h"
#include "monitor/EventNames.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr qsizetype kNameBlocksSize = 3 * 256;
    QByteArray bytes = fuzzBytes(data, size).toByteArray();
    if (bytes.size() < monitor::kEventMemorySize + kNameBlocksSize)
        bytes.append(monitor::kEventMemorySize + kNameBlocksSize - bytes.size(), '\0');
    const monitor::StoredNames names =
        monitor::namesFromBlocks(QByteArrayView(bytes).sliced(monitor::kEventMemorySize, kNameBlocksSize));
    (void)monitor::eventListRows(QByteArrayView(bytes).first(monitor::kEventMemorySize), names);
    return 0;
}
