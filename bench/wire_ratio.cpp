// Runs the program's transactions against the simulated module at the line's
// real speed (19200 baud both ways) and compares each one's elapsed time with
// the time its bytes need on the wire: the bytes that crossed the line in
// both directions, counted at the simulator, ten bits each.
#include "LinkedModule.h"

#include "link/VersionQuery.h"
#include "monitor/EventMemoryDownload.h"
#include "params/ParameterTransfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr int kBaud = 19200;
constexpr double kBitsPerByte = 10;

struct Measured
{
    bool ok = false;
    double elapsedS = 0;
    qint64 bytes = 0;
};

Measured measure(LinkedModule& module, const std::function<bool()>& transaction)
{
    const qint64 bytesBefore = module.sim.bytesFromProgram() + module.sim.bytesToProgram();
    QElapsedTimer clock;
    clock.start();
    Measured result;
    result.ok = transaction();
    result.elapsedS = double(clock.nsecsElapsed()) / 1e9;
    result.bytes = module.sim.bytesFromProgram() + module.sim.bytesToProgram() - bytesBefore;
    return result;
}

bool transfer(LinkedModule& module, params::ParameterImage& image, params::TransferKind kind)
{
    params::ParameterTransfer transfer(module.link, image);
    return transfer.run(kind) == params::TransferOutcome::Done;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SimulatorSettings settings;
    settings.baudRate = kBaud;
    settings.live = false; // nothing but the answers on the line
    LinkedModule module(settings);
    if (!module.connect()) {
        std::fprintf(stderr, "cannot start the simulated module\n");
        return 1;
    }
    params::ParameterImage image;
    monitor::EventMemoryDownload download(module.link);
    const std::pair<const char*, std::function<bool()>> transactions[] = {
        {"version",
         [&] {
             const auto running = module.link.beginTransaction();
             module.link.moduleDataVersion = -1;
             QueryVersion(module.link, [](const QString&) {});
             return module.link.moduleDataVersion >= 0;
         }},
        {"read", [&] { return transfer(module, image, params::TransferKind::Read); }},
        {"compare", [&] { return transfer(module, image, params::TransferKind::Compare); }},
        {"write", [&] { return transfer(module, image, params::TransferKind::Write); }},
        {"events",
         [&] {
             return download.loadNames() == monitor::DownloadOutcome::Done
                 && download.loadEvents() == monitor::DownloadOutcome::Done;
         }},
    };
    std::printf("%-8s %4s %8s %10s %10s %7s\n", "", "ok", "bytes", "elapsed", "wire", "ratio");
    double worst = 0;
    for (const auto& [name, run] : transactions) {
        const Measured m = measure(module, run);
        const double wireS = double(m.bytes) * kBitsPerByte / kBaud;
        const double ratio = m.elapsedS / wireS;
        worst = std::max(worst, ratio);
        std::printf("%-8s %4s %8lld %8.3f s %8.3f s %7.3f\n", name, m.ok ? "yes" : "NO", qlonglong(m.bytes),
                    m.elapsedS, wireS, ratio);
    }
    std::printf("worst ratio %.3f (goal: at most 1.05)\n", worst);
    return 0;
}
