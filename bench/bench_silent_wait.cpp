// Measures the processor time the program spends while it waits out a code
// check against a module that never answers (30 ticks of 100 ms).
#include "LinkedModule.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    LinkedModule module;
    module.sim.module().faults().silent = true;
    if (!module.connect()) {
        std::fprintf(stderr, "cannot start the simulated module\n");
        return 1;
    }
    QElapsedTimer wall;
    wall.start();
    const double cpuBefore = cpuSeconds();
    const bool accepted = module.link.blocks().CheckInstallerCode();
    const double cpu = cpuSeconds() - cpuBefore;
    const double elapsed = double(wall.elapsed()) / 1000.0;
    std::printf("silent code check: accepted=%d wall=%.2f s cpu=%.4f s (%.2f%% of one core)\n", accepted,
                elapsed, cpu, 100.0 * cpu / elapsed);
    return accepted ? 1 : 0;
}
