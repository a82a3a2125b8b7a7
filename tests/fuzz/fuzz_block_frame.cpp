// A received "RDFL" reply decoded into a frame buffer that already holds a
// frame, as the shared buffer does.

#include "FuzzInput.h"

#include "link/BlockFrame.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Frame buffer{};
    buffer.fill(0x5A);
    const QByteArrayView line = fuzzBytes(data, size);
    (void)decodeReplyFrame(line, buffer);
    (void)decodeFrameHex(line, buffer);
    (void)frameAddress(buffer);
    return 0;
}
