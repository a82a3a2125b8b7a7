// The widget-free download of the event memory and the names over the link.
#include "EventMemoryFixture.h"
#include "LinkedModule.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "monitor/EventMemoryDownload.h"

#include <QTest>

using monitor::DownloadOutcome;
using testmemory::BlockFault;

Q_DECLARE_METATYPE(monitor::DownloadOutcome)

namespace {

const QByteArray kLogin = "RPWDEDCB00"; // code 1234

struct DownloadFixture
{
    LinkedModule m;
    ScriptedModule script{m.sim};
    monitor::EventMemoryDownload download{m.link};
    QStringList statuses;

    DownloadFixture() { script.answerCode(QStringLiteral("1234"), "PWDOK"); }

    DownloadOutcome loadEvents()
    {
        return download.loadEvents([this](const QString& text) { statuses << text; });
    }
    DownloadOutcome loadNames()
    {
        return download.loadNames([this](const QString& text) { statuses << text; });
    }
};

QByteArray block(QByteArrayView data, int n)
{
    return data.sliced(n * 256, 256).toByteArray();
}

} // namespace

class TestEventDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void loadsTheEventMemory()
    {
        DownloadFixture f;
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        QVERIFY(f.m.connect());
        QCOMPARE(f.loadEvents(), DownloadOutcome::Done);
        QCOMPARE(f.download.eventMemory().toByteArray(), testmemory::sampleEvents());
        QCOMPARE(f.m.sim.receivedLines(),
                 (QByteArrayList{kLogin, "RDFLF000", "RDFLF001", "RDFLF002", "RDFLF003"}));
        QCOMPARE(f.statuses, (QStringList{"Eseménylista letöltése...", "Eseménylista letöltése 0...",
                                          "Eseménylista letöltése 1...", "Eseménylista letöltése 2...",
                                          "Eseménylista letöltése 3...", "Eseménylista letöltve."}));
        QVERIFY(!f.m.link.transactionRunning());
        QCOMPARE(f.download.rows()[0].columns.name, QStringLiteral("Élesítés Part.1  "));
    }

    void failedEventDownloads_data()
    {
        QTest::addColumn<QByteArray>("loginReply");
        QTest::addColumn<BlockFault>("fault");
        QTest::addColumn<DownloadOutcome>("outcome");
        QTest::addColumn<int>("blocksRead"); // requests sent after the login
        QTest::addColumn<int>("blocksKept"); // blocks of the new memory in the buffer
        QTest::addColumn<QString>("failureText");
        const QString ok = text::codeCheckOk;
        QTest::newRow("login refused") << QByteArray("PWDERR") << BlockFault{} << DownloadOutcome::LoginFailed << 0
                                       << 0 << text::wrongInstallerCode;
        QTest::newRow("login unanswered") << QByteArray() << BlockFault{} << DownloadOutcome::LoginFailed << 0 << 0
                                          << text::moduleNoAnswer;
        QTest::newRow("block 1 carries number 2") << QByteArray("PWDOK") << BlockFault{BlockFault::WrongNumber, 1}
                                                  << DownloadOutcome::ReadFailed << 2 << 1 << ok;
        QTest::newRow("block 2 damaged") << QByteArray("PWDOK") << BlockFault{BlockFault::BadChecksum, 2}
                                         << DownloadOutcome::ReadFailed << 3 << 2 << ok;
        QTest::newRow("block 0 unanswered") << QByteArray("PWDOK") << BlockFault{BlockFault::NoAnswer, 0}
                                            << DownloadOutcome::ReadFailed << 1 << 0 << ok;
        QTest::newRow("block 3 refused") << QByteArray("PWDOK") << BlockFault{BlockFault::Refused, 3}
                                         << DownloadOutcome::ReadFailed << 4 << 3 << ok;
    }

    void failedEventDownloads()
    {
        QFETCH(QByteArray, loginReply);
        QFETCH(BlockFault, fault);
        QFETCH(DownloadOutcome, outcome);
        QFETCH(int, blocksRead);
        QFETCH(int, blocksKept);
        QFETCH(QString, failureText);
        DownloadFixture f;
        QVERIFY(f.m.connect());
        // A first complete download, then a faulty one of other events.
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        QCOMPARE(f.loadEvents(), DownloadOutcome::Done);
        f.m.sim.clearReceivedLines();
        f.statuses.clear();
        f.script.answer(kLogin, loginReply.isEmpty() ? QByteArrayList() : QByteArrayList{loginReply});
        testmemory::serveEvents(f.script, testmemory::otherEvents(), fault);

        QCOMPARE(f.loadEvents(), outcome);
        QCOMPARE(f.download.failureText(), failureText);
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList{kLogin} + testmemory::requests(0xF000, blocksRead));
        QStringList expected{"Eseménylista letöltése..."};
        for (int n = 0; n < blocksKept; ++n)
            expected << QStringLiteral("Eseménylista letöltése %1...").arg(n);
        expected << "Leolvasás sikertelen.";
        QCOMPARE(f.statuses, expected);
        // Blocks that arrived are kept; the others hold the earlier download.
        for (int n = 0; n < 4; ++n)
            QCOMPARE(block(f.download.eventMemory(), n),
                     block(n < blocksKept ? testmemory::otherEvents() : testmemory::sampleEvents(), n));
        QVERIFY(!f.m.link.transactionRunning());
    }

    void nothingSentWithoutTheLink_data()
    {
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<DownloadOutcome>("outcome");
        QTest::newRow("port closed") << false << DownloadOutcome::NoLink;
        QTest::newRow("another transaction") << true << DownloadOutcome::Busy;
    }

    void nothingSentWithoutTheLink()
    {
        QFETCH(bool, portOpen);
        QFETCH(DownloadOutcome, outcome);
        DownloadFixture f;
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        QVERIFY(f.m.connect());
        if (!portOpen)
            f.m.link.serial().close();
        const auto other = f.m.link.beginTransaction();
        QCOMPARE(f.loadEvents(), outcome);
        QCOMPARE(f.loadNames(), outcome);
        QVERIFY(f.statuses.isEmpty());
        QTest::qWait(ticks::toMs(5));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }

    void namesOnlyFromAllThreeBlocks()
    {
        DownloadFixture f;
        QVERIFY(f.m.connect());
        QCOMPARE(f.download.names().zones[0], QString());
        testmemory::serveNames(f.script, testmemory::sampleNames());
        QCOMPARE(f.loadNames(), DownloadOutcome::Done);
        QCOMPARE(f.m.sim.receivedLines(), (QByteArrayList{kLogin, "RDFL0000", "RDFL0001", "RDFL0002"}));
        QCOMPARE(f.statuses,
                 (QStringList{"Zóna és Felhasználói nevek letöltése...", "Zóna és Felhasználói nevek letöltése 0...",
                              "Zóna és Felhasználói nevek letöltése 1...", "Zóna és Felhasználói nevek letöltése 2...",
                              "Zóna és Felhasználói nevek letöltve."}));
        const auto& names = f.download.names();
        QCOMPARE(names.users[2], QStringLiteral(" Kovács"));
        QCOMPARE(names.users[0], QStringLiteral(" "));
        QCOMPARE(names.zones[0], QStringLiteral(" Bejárat   "));
        QCOMPARE(names.zones[1], QStringLiteral(" "));
        QCOMPARE(names.zones[2], QStringLiteral(" Abc      "));
        QCOMPARE(names.zones[4], QStringLiteral(" Garázs    "));

        // A download that fails at the last block keeps the names it had.
        QByteArray renamed = testmemory::sampleNames();
        renamed.replace(0, 10, QByteArray("Valaki    "));
        renamed.replace(monitor::kZoneNameFirst, 10, QByteArray("Kert      "));
        testmemory::serveNames(f.script, renamed, BlockFault{BlockFault::WrongNumber, 2});
        f.statuses.clear();
        QCOMPARE(f.loadNames(), DownloadOutcome::ReadFailed);
        QCOMPARE(f.statuses.last(), QStringLiteral("Leolvasás sikertelen."));
        QCOMPARE(f.download.names().users[0], QStringLiteral(" "));
        QCOMPARE(f.download.names().zones[0], QStringLiteral(" Bejárat   "));
        QCOMPARE(block(f.download.nameBlocks(), 0), block(renamed, 0));
    }
};

QTEST_MAIN(TestEventDownload)
#include "tst_monitor_eventdownload.moc"
