// One received "AT_[" line, any length, any bytes.

#include "FuzzInput.h"

#include "monitor/StatusReport.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)monitor::parseStatusReport(fuzzBytes(data, size));
    return 0;
}
