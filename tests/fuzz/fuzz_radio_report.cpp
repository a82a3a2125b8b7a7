// Feeds arbitrary lines to the radio report decoder and the slot look: no
// crash, no read past the line, and what comes out is always displayable.
#include "maint/RadioReport.h"
#include "maint/RadioSlotLook.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView line(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto report = maint::DecodeRadioReport(line);
    if (!report)
        return 0;
    // Only byte 36 may name a slot being taught, and only one.
    int teaching = 0;
    for (std::uint8_t state : report->states) {
        if (state & maint::slotbit::kTeaching)
            ++teaching;
        if (maint::radioSlotLook(state).text.isEmpty())
            std::abort();
    }
    if (teaching > 1)
        std::abort();
    return 0;
}
