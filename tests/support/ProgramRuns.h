#pragma once

// The simulator and the command-line tool as separate programs, for tests
// that run them end to end. Their paths come from SENTROVA_SIM and
// SENTROVA_CLI, which the build sets for these tests.
#include "FileSizeLimit.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

inline constexpr int kProgramTimeoutMs = 20000; // only bounds a failure

// The simulator program on a link in its own folder, stopped at the end.
class SimProcess
{
public:
    explicit SimProcess(const QStringList& options = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(qEnvironmentVariable("SENTROVA_SIM"), QStringList{QStringLiteral("--link"), port()} + options);
        if (m_process.waitForStarted(kProgramTimeoutMs)
            && QTest::qWaitFor([this] { return m_process.canReadLine(); }, kProgramTimeoutMs))
            m_device = m_process.readLine().trimmed();
    }

    ~SimProcess() { stop(); }

    bool running() const { return m_device.startsWith("/dev/"); }
    QString port() const { return m_dir.filePath(QStringLiteral("m")); }
    // The pseudo-terminal that the link leads to.
    QString device() const { return QString::fromUtf8(m_device); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    // Ends the simulator as a signal would (it saves its data file then).
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_process.processId()), SIGTERM);
        m_process.waitForFinished(kProgramTimeoutMs);
    }

    // What the simulator printed after the device path; complete once it
    // has stopped.
    QString laterOutput() { return QString::fromUtf8(m_process.readAllStandardOutput()); }

    // Ends the simulator at once, as a module switched off: its
    // pseudo-terminal goes away with it.
    void kill()
    {
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished(kProgramTimeoutMs);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QByteArray m_device;
};

struct ProgramRun
{
    int exitCode = -1; // -1: did not end normally in time
    QString out;
    QString err;
};

// Runs `program` at a 10 ms tick. `fileSizeLimit` above 0 makes its file
// writes fail past that size.
inline ProgramRun runProgram(const QString& program, const QStringList& arguments, int fileSizeLimit = 0)
{
    QProcess process;
    if (fileSizeLimit > 0)
        process.setChildProcessModifier([fileSizeLimit] { FileSizeLimit::apply(rlim_t(fileSizeLimit)); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SENTROVA_TICK_MS"), QStringLiteral("10"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(kProgramTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline ProgramRun runCli(const QStringList& arguments, int fileSizeLimit = 0)
{
    return runProgram(qEnvironmentVariable("SENTROVA_CLI"), arguments, fileSizeLimit);
}

// The tool on the simulator's port, by default with the demo installer code.
inline ProgramRun runOn(const SimProcess& sim, const QStringList& command,
                        const QString& code = QStringLiteral("1234"), int fileSizeLimit = 0)
{
    return runCli(QStringList{QStringLiteral("--port"), sim.port(), QStringLiteral("--code"), code} + command,
                  fileSizeLimit);
}

// Output as lines, without empty ones.
inline QStringList lines(const QString& text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}
