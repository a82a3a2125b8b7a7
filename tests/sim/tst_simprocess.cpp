#include "RawPortClient.h"

#include "link/BlockFrame.h"
#include "link/Commands.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

constexpr int kTimeoutMs = 10000; // only bounds a failure

QString simulatorPath()
{
    return qEnvironmentVariable("SENTROVA_SIM");
}

QByteArray codeCheckLine(const QString& code)
{
    return *commandLine(command::kCodeCheck, code);
}

// The first line the process prints, without its line end.
QByteArray firstLine(QProcess& process)
{
    if (!QTest::qWaitFor([&] { return process.canReadLine(); }, kTimeoutMs))
        return {};
    return process.readLine().trimmed();
}

} // namespace

class SimProcessTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void servesUntilSignalled_data();
    void servesUntilSignalled();
    void helpExitsAtOnce();
    void badOptionRefused();
};

void SimProcessTest::initTestCase()
{
    QVERIFY2(QFileInfo(simulatorPath()).isExecutable(), "SENTROVA_SIM names no program");
}

void SimProcessTest::servesUntilSignalled_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void SimProcessTest::servesUntilSignalled()
{
    QFETCH(int, signalNumber);
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("m"));
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(simulatorPath(), {QStringLiteral("--link"), link});
    QVERIFY(process.waitForStarted(kTimeoutMs));

    const QByteArray device = firstLine(process);
    QVERIFY2(device.startsWith("/dev/"), device.constData());
    QCOMPARE(QFileInfo(link).symLinkTarget(), QString::fromLocal8Bit(device));

    {
        RawPortClient port(link);
        QVERIFY(port.isOpen());
        port.sendLine(codeCheckLine(QStringLiteral("1234")));
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDOK"));
        port.sendLine(codeCheckLine(QStringLiteral("4321")));
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDERR"));
        port.sendLine(codeCheckLine(QStringLiteral("1234")));
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDOK"));

        port.sendLine(readRequestLine(frame::kVersionAddress));
        const std::optional<QByteArray> line = port.readLine(kTimeoutMs);
        QVERIFY(line.has_value());
        QCOMPARE(line->size(), 544);
        QVERIFY(line->startsWith("RDFL"));
        Frame f{};
        QCOMPARE(decodeReplyFrame(*line, f), FrameDecode::Good);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.data())), QByteArray("GSM-SENTROVA V3.05"));
    }

    QCOMPARE(::kill(pid_t(process.processId()), signalNumber), 0);
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void SimProcessTest::helpExitsAtOnce()
{
    QProcess process;
    process.start(simulatorPath(), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().contains("--link"));
}

void SimProcessTest::badOptionRefused()
{
    QProcess process;
    process.start(simulatorPath(), {QStringLiteral("--code"), QStringLiteral("12x")});
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    QVERIFY(process.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(SimProcessTest)
#include "tst_simprocess.moc"
