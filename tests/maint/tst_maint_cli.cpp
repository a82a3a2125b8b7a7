// The command-line tool's clock and firmware commands end to end: the
// sentrova-cli program against the simulator program.
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

constexpr int kTimeoutMs = 20000; // only bounds a failure

struct Run
{
    int exitCode = -1;
    QString out;
    QStringList err;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SENTROVA_TICK_MS"), QStringLiteral("10"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(kTimeoutMs) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return result;
}

// The simulator program serving on a link in its own folder until the end.
class Simulator
{
public:
    explicit Simulator(const QStringList& options)
    {
        m_process.start(qEnvironmentVariable("SENTROVA_SIM"), QStringList{QStringLiteral("--link"), port()} + options);
        m_running = m_process.waitForStarted(kTimeoutMs)
            && QTest::qWaitFor([this] { return m_process.canReadLine(); }, kTimeoutMs);
    }
    ~Simulator()
    {
        ::kill(pid_t(m_process.processId()), SIGTERM);
        m_process.waitForFinished(kTimeoutMs);
    }

    bool running() const { return m_running; }
    QString port() const { return m_dir.filePath(QStringLiteral("m")); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    Run cli(const QStringList& command) const
    {
        return run(qEnvironmentVariable("SENTROVA_CLI"),
                   QStringList{QStringLiteral("--port"), port(), QStringLiteral("--code"), QStringLiteral("1234")}
                       + command);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_running = false;
};

QString clockLine(const QDateTime& time)
{
    return time.toString(QStringLiteral("'A modul órája: 'yy/MM/dd - HH:mm\n"));
}

} // namespace

class TestMaintCli : public QObject
{
    Q_OBJECT
private slots:
    void setAndReadTheClock()
    {
        Simulator sim({QStringLiteral("--still")});
        QVERIFY(sim.running());
        const Run set = sim.cli({QStringLiteral("set-clock")});
        QCOMPARE(set.exitCode, 0);
        QCOMPARE(set.err, (QStringList{"Óra beállítás...", "Az óra beállítva."}));
        const QDateTime before = QDateTime::currentDateTime();
        const Run read = sim.cli({QStringLiteral("clock")});
        QCOMPARE(read.exitCode, 0);
        // The minute may turn between the two.
        QVERIFY2(read.out == clockLine(before) || read.out == clockLine(before.addSecs(60)), qPrintable(read.out));
        QCOMPARE(read.err, QStringList{"Óra lekérdezése..."});
    }

    void firmware_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("shortLine");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lastLines");
        QTest::addColumn<int>("framesStarted");
        QTest::newRow("confirmed") << QStringList{} << false << 0
                                   << QStringList{"CRC ellenőrzés...", "A CRC ellenőrzés sikerült.",
                                                  "A firmware ellenőrzés sikerült, az Sentrova modul újraindul, "
                                                  "ezért a kapcsolat megszakad!"}
                                   << 3;
        QTest::newRow("frame never acknowledged")
            << QStringList{"--nak-firmware", "1"} << false << 2
            << QStringList{"frame 2/3", "Hiba történt az áttöltés közben!"} << 2;
        QTest::newRow("check refused") << QStringList{"--refuse-firmware"} << false << 2
                                       << QStringList{"CRC ellenőrzés...", "Hiba történt ellenőrzés közben!"} << 3;
        QTest::newRow("code refused") << QStringList{"--refuse-code"} << false << 2
                                      << QStringList{"Hiba történt az áttöltés közben!", " Hibás telepítői azonosító!"}
                                      << 0;
        QTest::newRow("short line") << QStringList{} << true << 2 << QStringList{} << 0;
    }

    void firmware()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, shortLine);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lastLines);
        QFETCH(int, framesStarted);
        Simulator sim(options);
        QVERIFY(sim.running());
        const QString path = sim.file(QStringLiteral("demo.GSF"));
        QCOMPARE(run(qEnvironmentVariable("SENTROVA_SIM"),
                     {QStringLiteral("--write-firmware"), path, QStringLiteral("--lines"), QStringLiteral("9")})
                     .exitCode,
                 0);
        if (shortLine) {
            QFile file(path);
            QVERIFY(file.resize(135 + 2 + 100));
            lastLines = QStringList{QStringLiteral("A(z) %1 fájl nem firmware fájl: a 2. sora nem firmware rekord.")
                                        .arg(path)};
        }
        const Run r = sim.cli({QStringLiteral("firmware"), path});
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.err.mid(r.err.size() - lastLines.size()), lastLines);
        QCOMPARE(r.err.filter(QStringLiteral("frame ")).size(), framesStarted);
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMaintCli)
#include "tst_maint_cli.moc"
