// Fuzzing harness of the firmware file reader and the frame builder: any
// bytes must give either a refusal or frames within their limits.
#include "maint/FirmwareFile.h"
#include "maint/FirmwareFrames.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView contents(reinterpret_cast<const char*>(data), qsizetype(size));
    const firmware::FirmwareFile file = firmware::readFirmware(contents);
    if (!file.good()) {
        // A refusal carries no records and names a line past the last good one.
        if (!file.lines.empty() || file.lineNumber < 1 || file.lineNumber > firmware::kMaxLines)
            std::abort();
        return 0;
    }
    if (file.lines.empty() || file.lines.size() > std::size_t(firmware::kMaxLines))
        std::abort();
    const firmware::FirmwareImage image = firmware::BuildFirmwareFrames(file.lines);
    const int expectedFrames = int(file.lines.size() + firmware::kLinesPerFrame - 1) / firmware::kLinesPerFrame;
    if (image.frameCount() != expectedFrames || frameAddress(image.control) != firmware::kControlAddress)
        std::abort();
    return 0;
}
