// Measures what a lost device costs: how long a block read that is waiting
// takes to end once the module's pseudo-terminal goes away, and the processor
// time the link uses afterwards while the program idles with its periodic
// code check running (100 ms ticks).
#include "LinkedModule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

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

void idleFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    constexpr int kHangUpAfterMs = 300;
    constexpr int kIdleMs = 10000;
    LinkedModule module;
    if (!module.connect() || !module.link.blocks().CheckInstallerCode()) {
        std::fprintf(stderr, "cannot start the simulated module\n");
        return 1;
    }
    QString reason;
    QObject::connect(&module.link.serial(), &SerialLink::portLost, [&reason](const QString& r) { reason = r; });
    module.link.codeTimer().start();
    module.sim.module().faults().silent = true;
    QElapsedTimer clock;
    QTimer::singleShot(kHangUpAfterMs, [&] {
        clock.start();
        module.sim.hangUp();
    });
    const bool read = module.link.blocks().readBlock(3);
    const qint64 endedMs = clock.elapsed();

    const double cpuBefore = cpuSeconds();
    idleFor(kIdleMs);
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("lost port: read=%d ended %lld ms after the loss (its wait is 5000 ms), port open=%d, reason \"%s\"\n",
                read, endedMs, module.link.isOpen(), qPrintable(reason));
    std::printf("idle after the loss: %.1f s, cpu=%.4f s (%.3f%% of one core)\n", kIdleMs / 1000.0, cpu,
                100.0 * cpu / (kIdleMs / 1000.0));
    return 0;
}
