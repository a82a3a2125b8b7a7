// Bytes the program sends, cut into lines by the simulator and handled by its
// command parser. The first byte picks the fault switches.

#include "FuzzInput.h"

#include "DemoMemory.h"
#include "LineSplitter.h"
#include "ModuleProtocol.h"

int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const ParameterMemory demo = demoParameterMemory();
    ModuleProtocol module(demo);
    const std::uint8_t switches = data[0];
    module.faults().refuseCode = (switches & 0x01) != 0;
    module.faults().wrongBlock = (switches & 0x02) != 0;
    module.faults().badChecksum = (switches & 0x04) != 0;
    module.faults().noActivation = (switches & 0x08) != 0;
    if (switches & 0x10)
        module.faults().dropReadBlock = (switches >> 5) & 0x07;
    module.setStatusForm(1 + (switches >> 6));
    LineSplitter lines([&](const QByteArray& line) { (void)module.handleLine(line); });
    for (char byte : fuzzBytes(data + 1, size - 1))
        lines.feed(byte);
    return 0;
}
