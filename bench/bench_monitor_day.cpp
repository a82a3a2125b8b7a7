// Plays a day of status polling as fast as the simulated module answers: the
// status window's 500 ms poll, RPWS and RPWE in turn, 172800 times, with the
// serial monitor and the status window alive as in the program. Prints the
// resident memory as it goes; the monitor text keeps only its newest lines,
// so once it is full the program must stay flat however long it polls.
#include "LinkedModule.h"

#include "link/WaitLoop.h"
#include "mainwin/TSerialForm.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kPollsPerDay = 24 * 60 * 60 * 2;
constexpr int kPollsPerHour = 60 * 60 * 2;

// Resident set size now and at its peak, in MB.
std::pair<double, double> residentMb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long kb = 0;
    double now = 0;
    double peak = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> kb)
            now = double(kb) / 1024;
        else if (key == "VmHWM:" && status >> kb)
            peak = double(kb) / 1024;
    }
    return {now, peak};
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    LinkedModule module;
    TSerialForm serialMonitor(module.link);
    TFormEventlistShort eventList(module.link);
    TFormStatus status(module.link, eventList);
    if (!module.connect()) {
        std::fprintf(stderr, "cannot start the simulated module\n");
        return 1;
    }
    status.show();
    QApplication::processEvents();
    const auto [startMb, startPeakMb] = residentMb();

    qint64 linesIn = 0;
    QObject::connect(&module.link.monitor(), &MonitorLog::rowsInserted, [&linesIn] { ++linesIn; });
    bool answered = true;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&answered] { answered = false; });
    QElapsedTimer clock;
    clock.start();
    int unanswered = 0;
    double hourMb = 0;
    double fullMb = 0;
    int fullAtPoll = -1;
    for (int poll = 0; poll < kPollsPerDay; ++poll) {
        const qint64 before = linesIn;
        status.StatusTimerTimer();
        answered = true;
        giveUp.start(1000);
        pumpWhile([&] { return linesIn == before && answered; });
        unanswered += answered ? 0 : 1;
        // The simulator keeps every line it received for tests; that is not
        // the program's memory.
        module.sim.clearReceivedLines();
        if (poll == kPollsPerHour)
            hourMb = residentMb().first;
        if (fullAtPoll < 0 && module.link.monitor().rowCount() > MonitorLog::kMaxLines) {
            fullAtPoll = poll;
            fullMb = residentMb().first;
        }
        if (poll % 10000 == 0) {
            const auto [mb, peak] = residentMb();
            std::fprintf(stderr, "poll %6d: %6.1f MB resident, %d lines kept, %lld module messages\n", poll, mb,
                         module.link.monitor().rowCount(), qlonglong(status.Memo1->blockCount()));
        }
    }
    QApplication::processEvents();
    const auto [endMb, peakMb] = residentMb();
    std::printf("a day of polling: %d polls (%d unanswered) in %.1f s, %lld lines received, %d kept in the "
                "monitor; resident %.1f MB at the start, %.1f MB at the end, peak %.1f MB (goal: below 80 MB)\n",
                kPollsPerDay, unanswered, double(clock.elapsed()) / 1000, qlonglong(linesIn),
                module.link.monitor().rowCount(), startMb, endMb, peakMb);
    std::printf("after the first hour (poll %d): %.1f MB; once the monitor was full (poll %d): %.1f MB, then "
                "%+.1f MB to the end (goal: within 1 MB)\n",
                kPollsPerHour, hourMb, fullAtPoll, fullMb, endMb - fullMb);
    return 0;
}
