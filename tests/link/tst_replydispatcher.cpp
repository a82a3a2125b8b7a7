#include "link/ReplyDispatcher.h"

#include <QTest>

namespace {

// Which flags are set, as a sorted list of names, so that a table row can say
// exactly which ones a line sets and that no other one moved.
QStringList setFlags(const ReplyFlags& f)
{
    QStringList names;
    const std::pair<const char*, bool> all[] = {
        {"codeAccepted", f.codeAccepted},       {"codeRejected", f.codeRejected},
        {"crcConfirmed", f.crcConfirmed},       {"firmwareConfirmed", f.firmwareConfirmed},
        {"frameBad", f.frameBad},               {"frameGood", f.frameGood},
        {"okReceived", f.okReceived},           {"radioTeachFailed", f.radioTeachFailed},
        {"remoteConnected", f.remoteConnected}, {"writeAcknowledged", f.writeAcknowledged},
        {"writeFailed", f.writeFailed},
    };
    for (const auto& [name, set] : all)
        if (set)
            names << QString::fromLatin1(name);
    return names;
}

QByteArray goodZeroFrameLine()
{
    Frame f{};
    f[266] = 0x80;
    f[267] = 0x7F;
    return "RDFL" + frameToHex(f);
}

} // namespace

class TestReplyDispatcher : public QObject
{
    Q_OBJECT
private slots:
    void tokensSetTheirFlag_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QStringList>("flags");
        QTest::newRow("CONNECT") << QByteArray("CONNECT 9600") << QStringList{"remoteConnected"};
        QTest::newRow("PWDERR") << QByteArray("PWDERR") << QStringList{"codeRejected"};
        QTest::newRow("PWDOK") << QByteArray("PWDOK") << QStringList{"codeAccepted"};
        QTest::newRow("OK") << QByteArray("OK") << QStringList{"okReceived"};
        QTest::newRow("OK with more") << QByteArray("OKAY") << QStringList{"okReceived"};
        QTest::newRow("WROK") << QByteArray("WROK") << QStringList{"writeAcknowledged"};
        QTest::newRow("WRFLERR") << QByteArray("WRFLERR") << QStringList{"writeFailed"};
        QTest::newRow("RFTERR") << QByteArray("RFTERR") << QStringList{"radioTeachFailed"};
        QTest::newRow("CRCOK") << QByteArray("CRCOK") << QStringList{"crcConfirmed"};
        QTest::newRow("FIRMWAREOK") << QByteArray("FIRMWAREOK") << QStringList{"firmwareConfirmed"};
        QTest::newRow("good frame") << goodZeroFrameLine() << QStringList{"frameGood"};
        QTest::newRow("short frame") << QByteArray("RDFL00") << QStringList{"frameBad"};
        QTest::newRow("CONNECT after a character") << QByteArray(" CONNECT") << QStringList{};
        QTest::newRow("token later in line") << QByteArray("xPWDOK") << QStringList{};
        QTest::newRow("lower case") << QByteArray("pwdok") << QStringList{};
        QTest::newRow("status report") << QByteArray("AT_[123") << QStringList{};
        QTest::newRow("unknown") << QByteArray("HELLO") << QStringList{};
    }

    void tokensSetTheirFlag()
    {
        QFETCH(QByteArray, line);
        QFETCH(QStringList, flags);
        ReplyDispatcher d;
        d.HandleReply(line);
        QCOMPARE(setFlags(d.flags), flags);
    }

    void flagsAreNeverClearedByReplies()
    {
        ReplyDispatcher d;
        d.HandleReply("PWDERR");
        d.HandleReply("PWDERR");
        d.HandleReply("PWDOK");
        QCOMPARE(setFlags(d.flags), (QStringList{"codeAccepted", "codeRejected"}));
    }

    void statusBarTexts_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("code refused twice")
            << QByteArrayList{"PWDERR", "PWDERR"}
            << QStringList{QStringLiteral(" Hibás telepítői azonosító!"), QStringLiteral(" Hibás telepítői azonosító!")};
        QTest::newRow("code accepted empties") << QByteArrayList{"PWDOK"} << QStringList{QString()};
        QTest::newRow("remote connection") << QByteArrayList{"CONNECT"} << QStringList{QStringLiteral(" Távoli kapcsolat rendben.")};
        QTest::newRow("others say nothing") << QByteArrayList{"OK", "WROK", "CRCOK", "RDFL"} << QStringList{};
    }

    void statusBarTexts()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QStringList, texts);
        ReplyDispatcher d;
        QStringList shown;
        d.receivers.statusBar = [&](const QString& t) { shown << t; };
        for (const QByteArray& line : lines)
            d.HandleReply(line);
        QCOMPARE(shown, texts);
    }

    void reportsGoToTheirReceiversWhole_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("receiver");
        QTest::newRow("status") << QByteArray("AT_[,1,2]") << "status";
        QTest::newRow("events") << QByteArray("AT_{0102") << "events";
        QTest::newRow("message") << QByteArray("AT_/Hello") << "message";
        QTest::newRow("radio") << QByteArray("AT_<00>") << "radio";
        QTest::newRow("empty message") << QByteArray("AT_/") << "message";
        QTest::newRow("not a report") << QByteArray("AT_]") << "";
    }

    void reportsGoToTheirReceiversWhole()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, receiver);
        ReplyDispatcher d;
        QStringList calls;
        auto record = [&](const char* name) {
            return [&calls, name, line](const QByteArray& got) {
                QCOMPARE(got, line);
                calls << QString::fromLatin1(name);
            };
        };
        d.receivers.statusReport = record("status");
        d.receivers.lastEvents = record("events");
        d.receivers.moduleMessage = record("message");
        d.receivers.radioReport = record("radio");
        d.HandleReply(line);
        QCOMPARE(calls, receiver.isEmpty() ? QStringList{} : QStringList{receiver});
    }

    void reportsWithoutReceiverAreIgnored()
    {
        ReplyDispatcher d;
        d.HandleReply("AT_[whatever");
        d.HandleReply("AT_<whatever");
        QVERIFY(setFlags(d.flags).isEmpty());
    }

    void connectResumesCodeCheckBeforeSettingFlag()
    {
        ReplyDispatcher d;
        bool flagWhenNotified = true;
        d.receivers.remoteConnected = [&] { flagWhenNotified = d.flags.remoteConnected; };
        d.HandleReply("CONNECT");
        QVERIFY(!flagWhenNotified);
        QVERIFY(d.flags.remoteConnected);
    }

    void frameIsDecodedIntoBuffer()
    {
        ReplyDispatcher d;
        Frame f{};
        for (int i = 0; i < 256; ++i)
            f[i] = std::uint8_t(255 - i);
        setFrameAddress(f, 5);
        storeChecksumLsbFirst(f);
        d.HandleReply("RDFL" + frameToHex(f));
        QVERIFY(d.flags.frameGood);
        QCOMPARE(d.frameBuffer, f);

        // A frame with a wrong checksum is still decoded into the buffer.
        f[0] ^= 0x01;
        d.HandleReply("RDFL" + frameToHex(f));
        QVERIFY(d.flags.frameBad);
        QCOMPARE(d.frameBuffer, f);
    }
};

QTEST_APPLESS_MAIN(TestReplyDispatcher)
#include "tst_replydispatcher.moc"
