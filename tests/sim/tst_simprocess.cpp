#include "RawPortClient.h"

#include "FrameText.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <csignal>

namespace {

constexpr int kTimeoutMs = 10000; // only bounds a failure

QString simulatorPath()
{
    return qEnvironmentVariable("SENTROVA_SIM");
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
    void dataFileLoadedAndSaved();
    void helpExitsAtOnce();
    void badOptionRefused_data();
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
        port.sendLine("RPWDEDCB00"); // 1234
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDOK"));
        port.sendLine("RPWDBCDE00"); // 4321
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDERR"));
        port.sendLine("RPWDEDCB00");
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDOK"));

        port.sendLine("RDFLFFFF");
        const std::optional<QByteArray> line = port.readLine(kTimeoutMs);
        QVERIFY(line.has_value());
        QCOMPARE(line->left(40), "RDFL" + QByteArray("GSM-SENTROVA V3.05").toHex().toUpper());
        QCOMPARE(line->size(), 544);
        QCOMPARE(line->right(12), QByteArray("FFFF8E850000"));
    }

    QCOMPARE(::kill(pid_t(process.processId()), signalNumber), 0);
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void SimProcessTest::dataFileLoadedAndSaved()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.SD2"));
    const QString out = dir.filePath(QStringLiteral("out.SD2"));
    // Block n filled with 30 + n, and one byte more that is not read; the
    // installer code 2468 at 180.
    QByteArray image;
    for (int block = 0; block < 8; ++block)
        image.append(256, char(0x30 + block));
    image.replace(180, 3, QByteArray("\xDB\x97\x00", 3));
    {
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(image + 'X'), 2049);
    }

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(simulatorPath(), {QStringLiteral("--load"), in, QStringLiteral("--save-on-exit"), out});
    QVERIFY(process.waitForStarted(kTimeoutMs));
    const QByteArray device = firstLine(process);
    QVERIFY2(device.startsWith("/dev/"), device.constData());

    {
        RawPortClient port(QString::fromLocal8Bit(device));
        // The code stored in the file is the one accepted.
        port.sendLine("RPWDDB9700");
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDOK"));
        port.sendLine("RDFL0006");
        QCOMPARE(port.readLine(kTimeoutMs),
                 std::optional<QByteArray>("RDFL" + frametext::frame(frametext::repeated("36", 256), "0006", "867F0000")));

        port.sendLine("WRFL");
        port.sendLine(frametext::frame(frametext::repeated("A5", 256), "0006", "00007F86"));
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("WROK"));
        port.sendLine("WRACT");
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("CRCOK"));
    }

    QCOMPARE(::kill(pid_t(process.processId()), SIGTERM), 0);
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitCode(), 0);
    QFile saved(out);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), image.left(1536) + QByteArray(256, '\xA5') + image.mid(1792));
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

void SimProcessTest::badOptionRefused_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("bad code") << QStringList{"--code", "12x"};
    QTest::newRow("missing data file") << QStringList{"--load", "/nonexistent/m.SD2"};
}

void SimProcessTest::badOptionRefused()
{
    QFETCH(QStringList, options);
    QProcess process;
    process.start(simulatorPath(), options);
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    QVERIFY(process.readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(SimProcessTest)
#include "tst_simprocess.moc"
