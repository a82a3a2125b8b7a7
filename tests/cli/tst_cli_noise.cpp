// The command-line tool on a line that damages about one byte in a thousand
// each way: every command either succeeds with exactly the module's bytes or
// fails with its message and exit status, and leaves no file after a failure.
#include "FileBytes.h"
#include "ProgramRuns.h"
#include "link/LinkTexts.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

enum Exit { kSuccess = 0, kDifferent = 1, kFailure = 2 };

const QString kRate = QStringLiteral("0.001");
// Each kind of command with one, three and five attempts.
constexpr std::array kAttempts{1, 3, 5};

QStringList noisy(int seed, const QStringList& more = {})
{
    return QStringList{"--still", "--noise", kRate, "--noise-seed", QString::number(seed)} + more;
}

ProgramRun runWithAttempts(const SimProcess& sim, int attempts, const QStringList& command)
{
    return runOn(sim, QStringList{"--attempts", QString::number(attempts)} + command);
}

// A failure says why in one of the texts of the transactions, never by
// naming another data version.
bool failedWithItsMessage(const ProgramRun& run)
{
    static const QRegularExpression kWhy(
        QStringLiteral("block [1-8]: (no valid answer|not acknowledged)|activation not confirmed|%1|%2|%3")
            .arg(QRegularExpression::escape(text::moduleNoAnswer), QRegularExpression::escape(text::wrongInstallerCode),
                 QRegularExpression::escape(text::readFailed)));
    return run.exitCode == kFailure && kWhy.match(run.err).hasMatch() && !run.err.contains(QStringLiteral("DataVer"));
}

// The module's clock as the tool prints it, read within the minute around now.
bool clockOfNow(const QString& out)
{
    const QString format = QStringLiteral("yy/MM/dd - HH:mm");
    const QDateTime now = QDateTime::currentDateTime();
    const QString prefix = QStringLiteral("A modul órája: ");
    return out == prefix + now.toString(format) + u'\n' || out == prefix + now.addSecs(-60).toString(format) + u'\n';
}

} // namespace

class TestCliNoise : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(qEnvironmentVariable("SENTROVA_SIM")).isExecutable(), "SENTROVA_SIM names no program");
        QVERIFY2(QFileInfo(qEnvironmentVariable("SENTROVA_CLI")).isExecutable(), "SENTROVA_CLI names no program");
    }

    // Reads, compares, event downloads and clock reads on a module whose
    // memory nothing changes; a clean module of the same kind gives the
    // bytes each must bring.
    void readingCommands()
    {
        QTemporaryDir dir;
        const QString demo = dir.filePath("demo.SD2");
        const QString cleanEvents = dir.filePath("clean.csv");
        {
            SimProcess clean({"--still"});
            QCOMPARE(runOn(clean, {"read", demo}).exitCode, int(kSuccess));
            QCOMPARE(runOn(clean, {"events", cleanEvents}).exitCode, int(kSuccess));
        }
        QByteArray changed = readFile(demo);
        changed[300] = char(changed[300] ^ 0x01);
        const QString changedFile = dir.filePath("changed.SD2");
        QVERIFY(writeFile(changedFile, changed));

        const QString kept = dir.filePath("module.SD2");
        SimProcess sim(noisy(3, {"--save-on-exit", kept}));
        QVERIFY(sim.running());
        std::set<QString> outcomes;
        for (int i = 0; i < 18; ++i) {
            const int attempts = kAttempts[std::size_t(i / 6)];
            const QString out = dir.filePath(QStringLiteral("out%1").arg(i));
            ProgramRun run;
            bool right = false;
            QString what;
            switch (i % 6) {
            case 0:
            case 1:
                what = "read";
                run = runWithAttempts(sim, attempts, {"read", out});
                right = run.exitCode == kSuccess && readFile(out) == readFile(demo);
                break;
            case 2:
                what = "compare";
                run = runWithAttempts(sim, attempts, {"compare", i % 4 ? demo : changedFile});
                right = run.exitCode == (i % 4 ? kSuccess : kDifferent);
                break;
            case 3:
                what = "events";
                run = runWithAttempts(sim, attempts, {"events", out});
                right = run.exitCode == kSuccess && readFile(out) == readFile(cleanEvents);
                break;
            default:
                what = "clock";
                run = runWithAttempts(sim, attempts, {"clock"});
                right = run.exitCode == kSuccess && clockOfNow(run.out);
                break;
            }
            const bool failed = failedWithItsMessage(run) && !QFileInfo::exists(out);
            QVERIFY2(right || failed, qPrintable(QStringLiteral("%1 with %2 attempts: exit %3\n%4%5")
                                                     .arg(what).arg(attempts).arg(run.exitCode).arg(run.out, run.err)));
            outcomes.insert(what + (right ? " right" : " failed"));
        }
        sim.stop();
        // Both ways were taken; nothing changed the module.
        for (const char* outcome : {"read right", "read failed", "events right", "clock right"})
            QVERIFY2(outcomes.count(QString::fromLatin1(outcome)), outcome);
        QCOMPARE(readFile(kept), readFile(demo));
        static const QRegularExpression kDamage(
            QStringLiteral("^noise \\(seed 3\\): damaged \\d+ of [1-9]\\d* bytes to the module, [1-9]\\d* of \\d+ to "
                           "the program\n$"));
        const QString summary = sim.laterOutput();
        QVERIFY2(kDamage.match(summary).hasMatch(), qPrintable(summary));
    }

    // Writes, each to its own module: after a reported success the module
    // holds the file; after a failure it holds the file only when its
    // activation took effect and the confirmation was lost, else what it had.
    void writes()
    {
        QTemporaryDir dir;
        const QString before = dir.filePath("before.SD2");
        {
            SimProcess clean({"--still"});
            QCOMPARE(runOn(clean, {"read", before}).exitCode, int(kSuccess));
        }
        int succeeded = 0;
        int failed = 0;
        for (int i = 0; i < 6; ++i) {
            const int attempts = kAttempts[std::size_t(i) % kAttempts.size()];
            // The demo memory with other zone names; the installer code stays.
            QByteArray file = readFile(before);
            file.replace(183, 10, QByteArray("Zona ") + QByteArray::number(i) + "    ");
            const QString written = dir.filePath(QStringLiteral("w%1.SD2").arg(i));
            const QString after = dir.filePath(QStringLiteral("after%1.SD2").arg(i));
            QVERIFY(writeFile(written, file));
            SimProcess sim(noisy(20 + i, {"--load", before, "--save-on-exit", after}));
            QVERIFY(sim.running());
            const ProgramRun run = runWithAttempts(sim, attempts, {"write", written});
            sim.stop();
            const QByteArray held = readFile(after);
            if (run.exitCode == kSuccess) {
                QCOMPARE(held, file);
                ++succeeded;
            } else {
                QVERIFY2(failedWithItsMessage(run), qPrintable(run.err));
                QVERIFY(held == readFile(before) || held == file);
                ++failed;
            }
        }
        QVERIFY2(succeeded > 0 && failed > 0, qPrintable(QStringLiteral("%1 written, %2 failed").arg(succeeded).arg(failed)));
    }
};

QTEST_GUILESS_MAIN(TestCliNoise)
#include "tst_cli_noise.moc"
