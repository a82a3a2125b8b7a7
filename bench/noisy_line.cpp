// Success rates of the command-line tool on a noisy line: reads, writes and
// event downloads at two noise rates, with one attempt and with three (and
// five at the higher rate), each against the simulator program with --noise. Counts the transactions that
// reported success with bytes other than the module's (there must be none)
// and compares the mean time of a successful read with the clean line's.
//
// The line and the program's ticks run `--scale` times faster than the real
// 19200 baud and 100 ms (5 by default), so that the waits keep their share of
// a transaction's time; the ratio to the clean line is what counts.
//
//   build/bin/noisy_line [--transactions N] [--scale K]
#include "FileBytes.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include <csignal>

namespace {

constexpr int kRealBaud = 19200;
constexpr int kRealTickMs = 100;
constexpr int kProgramTimeoutMs = 600000;
const QString kCode = QStringLiteral("1234");

struct Setup
{
    QString sim;
    QString cli;
    int scale = 5;
    int transactions = 100;
    QTemporaryDir dir;

    QString file(const QString& name) const { return dir.filePath(name); }
    int baud() const { return kRealBaud * scale; }
    int tickMs() const { return kRealTickMs / scale; }
};

// One simulator program, paced, on its own link; stopped as a signal would.
class Sim
{
public:
    Sim(const Setup& setup, const QStringList& options)
        : m_link(setup.file(QStringLiteral("module")))
    {
        QFile::remove(m_link);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(setup.sim, QStringList{QStringLiteral("--link"), m_link, QStringLiteral("--still"),
                                               QStringLiteral("--baud"), QString::number(setup.baud())}
                                       + options);
        m_running = m_process.waitForStarted() && m_process.waitForReadyRead(kProgramTimeoutMs)
            && m_process.readLine().startsWith("/dev/");
    }
    ~Sim() { stop(); }

    bool running() const { return m_running; }
    const QString& link() const { return m_link; }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGTERM);
        m_process.waitForFinished(kProgramTimeoutMs);
    }

private:
    QString m_link;
    QProcess m_process;
    bool m_running = false;
};

struct Run
{
    bool ok = false;
    double seconds = 0;
};

Run runCli(const Setup& setup, const Sim& sim, int attempts, const QStringList& command)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SENTROVA_TICK_MS"), QString::number(setup.tickMs()));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer clock;
    clock.start();
    process.start(setup.cli, QStringList{QStringLiteral("--port"), sim.link(), QStringLiteral("--code"), kCode,
                                         QStringLiteral("--attempts"), QString::number(attempts)}
                                 + command);
    const bool ended = process.waitForFinished(kProgramTimeoutMs) && process.exitStatus() == QProcess::NormalExit;
    return {ended && process.exitCode() == 0, double(clock.nsecsElapsed()) / 1e9};
}

QStringList noise(double rate, int seed)
{
    if (rate <= 0)
        return {};
    return {QStringLiteral("--noise"), QString::number(rate), QStringLiteral("--noise-seed"), QString::number(seed)};
}

struct Tally
{
    int ok = 0;
    int wrong = 0; // reported success with bytes other than the module's
    double okSeconds = 0;

    void add(const Run& run, bool rightBytes)
    {
        if (!run.ok)
            return;
        if (!rightBytes) {
            ++wrong;
            return;
        }
        ++ok;
        okSeconds += run.seconds;
    }
    double meanSeconds() const { return ok ? okSeconds / ok : 0; }
};

// What a clean module holds and sends: its parameters and its event list.
struct Truth
{
    QByteArray memory;
    QByteArray events;
};

std::optional<Truth> cleanTruth(const Setup& setup)
{
    Sim sim(setup, {});
    const QString memory = setup.file(QStringLiteral("truth.SD2"));
    const QString events = setup.file(QStringLiteral("truth.csv"));
    if (!sim.running() || !runCli(setup, sim, 1, {QStringLiteral("read"), memory}).ok
        || !runCli(setup, sim, 1, {QStringLiteral("events"), events}).ok)
        return std::nullopt;
    return Truth{readFile(memory), readFile(events)};
}

// `count` downloads of one kind (a read or the event list) into the file
// `fileName`, which must then hold exactly `expected`.
Tally downloads(const Setup& setup, const QString& command, const QString& fileName, const QByteArray& expected,
                double rate, int attempts, int seed, int count)
{
    Tally tally;
    Sim sim(setup, noise(rate, seed));
    const QString out = setup.file(fileName);
    for (int i = 0; i < count && sim.running(); ++i) {
        QFile::remove(out);
        const Run run = runCli(setup, sim, attempts, {command, out});
        tally.add(run, readFile(out) == expected);
    }
    return tally;
}

Tally reads(const Setup& setup, const Truth& truth, double rate, int attempts, int seed, int count)
{
    return downloads(setup, QStringLiteral("read"), QStringLiteral("read.SD2"), truth.memory, rate, attempts, seed, count);
}

Tally eventDownloads(const Setup& setup, const Truth& truth, double rate, int attempts, int seed)
{
    return downloads(setup, QStringLiteral("events"), QStringLiteral("events.csv"), truth.events, rate, attempts, seed,
                     setup.transactions);
}

// Each write on a module of its own that starts from the demo memory and is
// asked afterwards what it holds. The file differs in one zone name each time.
Tally writes(const Setup& setup, const Truth& truth, double rate, int attempts, int seed)
{
    Tally tally;
    const QString before = setup.file(QStringLiteral("before.SD2"));
    const QString written = setup.file(QStringLiteral("written.SD2"));
    const QString after = setup.file(QStringLiteral("after.SD2"));
    writeFile(before, truth.memory);
    for (int i = 0; i < setup.transactions; ++i) {
        QByteArray file = truth.memory;
        file.replace(183, 10, QByteArray::number(100000 + i).leftJustified(10, ' '));
        writeFile(written, file);
        QFile::remove(after);
        Sim sim(setup, noise(rate, seed + i) + QStringList{"--load", before, "--save-on-exit", after});
        if (!sim.running())
            break;
        const Run run = runCli(setup, sim, attempts, {QStringLiteral("write"), written});
        sim.stop();
        tally.add(run, readFile(after) == file);
    }
    return tally;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption transactions(QStringLiteral("transactions"),
                                          QStringLiteral("Transactions of each kind (default 100)."), QStringLiteral("N"));
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Runs the line and the ticks this many times faster (1-10, "
                                                  "default 5)."),
                                   QStringLiteral("K"));
    parser.addOptions({transactions, scale});
    parser.addHelpOption();
    parser.process(app);

    Setup setup;
    const QDir bin(QCoreApplication::applicationDirPath());
    setup.sim = bin.filePath(QStringLiteral("sentrova-sim"));
    setup.cli = bin.filePath(QStringLiteral("sentrova-cli"));
    if (parser.isSet(transactions))
        setup.transactions = std::max(1, parser.value(transactions).toInt());
    if (parser.isSet(scale))
        setup.scale = std::clamp(parser.value(scale).toInt(), 1, 10);

    const std::optional<Truth> truth = cleanTruth(setup);
    if (!truth) {
        std::fprintf(stderr, "the clean module could not be read\n");
        return 1;
    }
    std::printf("noisy line: %d transactions of each kind; line and ticks %dx the real speed (%d baud, %d ms ticks)\n",
                setup.transactions, setup.scale, setup.baud(), setup.tickMs());
    std::printf("%-7s %-8s %-9s %-9s %-9s %-5s %-10s %s\n", "rate", "attempts", "read ok", "write ok", "events ok",
                "wrong", "read s", "vs clean");
    std::fflush(stdout);

    const Tally clean = reads(setup, *truth, 0, 1, 0, setup.transactions);
    std::printf("%-7s %-8d %3d/%-5d %-9s %-9s %-5d %-10.2f %.2f\n", "0", 1, clean.ok, setup.transactions, "-", "-",
                clean.wrong, clean.meanSeconds(), 1.0);
    std::fflush(stdout);

    // The goal's two rates with one and three attempts, and the higher rate
    // with five.
    struct Row
    {
        double rate;
        int attempts;
    };
    constexpr std::array kRows{Row{0.0002, 1}, Row{0.0002, 3}, Row{0.001, 1}, Row{0.001, 3}, Row{0.001, 5}};
    int seed = 1;
    int allWrong = clean.wrong;
    for (const auto& [rate, attempts] : kRows) {
        const Tally read = reads(setup, *truth, rate, attempts, seed, setup.transactions);
        const Tally write = writes(setup, *truth, rate, attempts, seed * 1000);
        const Tally events = eventDownloads(setup, *truth, rate, attempts, seed + 500);
        ++seed;
        const int wrong = read.wrong + write.wrong + events.wrong;
        allWrong += wrong;
        const double ratio = clean.meanSeconds() > 0 ? read.meanSeconds() / clean.meanSeconds() : 0;
        std::printf("%-7g %-8d %3d/%-5d %3d/%-5d %3d/%-5d %-5d %-10.2f %.2f\n", rate, attempts, read.ok,
                    setup.transactions, write.ok, setup.transactions, events.ok, setup.transactions, wrong,
                    read.meanSeconds(), ratio);
        std::fflush(stdout);
    }
    return allWrong == 0 ? 0 : 1;
}
