// The command-line tool's clock and firmware commands end to end: the
// sentrova-cli program against the simulator program.
#include "ProgramRuns.h"

#include <QDateTime>
#include <QFile>
#include <QTest>

namespace {

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
        SimProcess sim({QStringLiteral("--still")});
        QVERIFY(sim.running());
        const ProgramRun set = runOn(sim, {QStringLiteral("set-clock")});
        QCOMPARE(set.exitCode, 0);
        QCOMPARE(lines(set.err), (QStringList{"Óra beállítás...", "Az óra beállítva."}));
        const QDateTime before = QDateTime::currentDateTime();
        const ProgramRun read = runOn(sim, {QStringLiteral("clock")});
        QCOMPARE(read.exitCode, 0);
        // The minute may turn between the two.
        QVERIFY2(read.out == clockLine(before) || read.out == clockLine(before.addSecs(60)), qPrintable(read.out));
        QCOMPARE(lines(read.err), QStringList{"Óra lekérdezése..."});
    }

    void firmware_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<bool>("shortLine");
        QTest::addColumn<QByteArray>("appended"); // to the demo file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lastLines");
        QTest::addColumn<int>("framesStarted");
        const QStringList confirmed{"CRC ellenőrzés...", "A CRC ellenőrzés sikerült.",
                                    "A firmware ellenőrzés sikerült, az Sentrova modul újraindul, "
                                    "ezért a kapcsolat megszakad!"};
        QTest::newRow("confirmed") << QStringList{} << false << QByteArray() << 0 << confirmed << 3;
        QTest::newRow("empty lines at the end")
            << QStringList{} << false << QByteArray("\r\n \r\n") << 0 << confirmed << 3;
        QTest::newRow("frame never acknowledged")
            << QStringList{"--nak-firmware", "1"} << false << QByteArray() << 2
            << QStringList{"frame 2/3", "Hiba történt az áttöltés közben!"} << 2;
        QTest::newRow("check refused") << QStringList{"--refuse-firmware"} << false << QByteArray() << 2
                                       << QStringList{"CRC ellenőrzés...", "Hiba történt ellenőrzés közben!"} << 3;
        QTest::newRow("code refused") << QStringList{"--refuse-code"} << false << QByteArray() << 2
                                      << QStringList{"Hiba történt az áttöltés közben!", " Hibás telepítői azonosító!"}
                                      << 0;
        QTest::newRow("short line") << QStringList{} << true << QByteArray() << 2 << QStringList{} << 0;
    }

    void firmware()
    {
        QFETCH(QStringList, options);
        QFETCH(bool, shortLine);
        QFETCH(QByteArray, appended);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lastLines);
        QFETCH(int, framesStarted);
        SimProcess sim(options);
        QVERIFY(sim.running());
        const QString path = sim.file(QStringLiteral("demo.GSF"));
        QCOMPARE(runProgram(qEnvironmentVariable("SENTROVA_SIM"),
                            {QStringLiteral("--write-firmware"), path, QStringLiteral("--lines"), QStringLiteral("9")})
                     .exitCode,
                 0);
        if (!appended.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            QCOMPARE(file.write(appended), appended.size());
        }
        if (shortLine) {
            QFile file(path);
            QVERIFY(file.resize(135 + 2 + 100));
            lastLines = QStringList{QStringLiteral("A(z) %1 fájl nem firmware fájl: a 2. sora nem firmware rekord.")
                                        .arg(path)};
        }
        const ProgramRun r = runOn(sim, {QStringLiteral("firmware"), path});
        const QStringList err = lines(r.err);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(err.mid(err.size() - lastLines.size()), lastLines);
        QCOMPARE(err.filter(QStringLiteral("frame ")).size(), framesStarted);
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMaintCli)
#include "tst_maint_cli.moc"
