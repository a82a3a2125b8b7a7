// One received "AT_/" line with its text in windows-1250.

#include "FuzzInput.h"

#include "monitor/ModuleMessage.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)monitor::moduleMessageText(fuzzBytes(data, size));
    return 0;
}
