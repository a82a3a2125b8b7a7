#include "RawPortClient.h"

#include "link/BlockFrame.h"
#include "link/Commands.h"
#include "params/DataFile.h"
#include "params/TextFields.h"

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

void SimProcessTest::dataFileLoadedAndSaved()
{
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.SD2"));
    const QString out = dir.filePath(QStringLiteral("out.SD2"));
    params::ParameterImage image;
    for (int i = 0; i < params::ParameterImage::kSize; ++i)
        image.set(i, std::uint8_t(i * 7 + 3));
    params::WriteCode(image, params::fieldRef(params::Field::InstallerCode), QStringLiteral("2468"));
    QVERIFY(params::SaveDataFile(in, image));

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(simulatorPath(), {QStringLiteral("--load"), in, QStringLiteral("--save-on-exit"), out});
    QVERIFY(process.waitForStarted(kTimeoutMs));
    const QByteArray device = firstLine(process);
    QVERIFY2(device.startsWith("/dev/"), device.constData());

    std::array<std::uint8_t, frame::kDataSize> written{};
    written.fill(0xA5);
    {
        RawPortClient port(QString::fromLocal8Bit(device));
        // The code stored in the file is the one accepted.
        port.sendLine(codeCheckLine(QStringLiteral("2468")));
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("PWDOK"));
        port.sendLine(readRequestLine(6));
        const std::optional<QByteArray> line = port.readLine(kTimeoutMs);
        QVERIFY(line.has_value());
        Frame f{};
        QCOMPARE(decodeReplyFrame(*line, f), FrameDecode::Good);
        QVERIFY(std::equal(image.block(6).begin(), image.block(6).end(), f.begin()));

        port.sendLine("WRFL");
        port.sendLine(frameToHex(BuildWriteFrame(written, 6)));
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("WROK"));
        port.sendLine("WRACT");
        QCOMPARE(port.readLine(kTimeoutMs), std::optional<QByteArray>("CRCOK"));
    }

    QCOMPARE(::kill(pid_t(process.processId()), SIGTERM), 0);
    QVERIFY(process.waitForFinished(kTimeoutMs));
    QCOMPARE(process.exitCode(), 0);
    params::ParameterImage expected = image;
    std::copy(written.begin(), written.end(), expected.block(6).begin());
    params::ParameterImage saved;
    QVERIFY(params::OpenDataFile(out, saved));
    QCOMPARE(QFileInfo(out).size(), params::ParameterImage::kSize);
    QVERIFY(saved == expected);
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
