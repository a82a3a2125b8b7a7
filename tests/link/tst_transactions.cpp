// The block transactions of the link against the simulated module over a
// pseudo-terminal.
#include "FarSide.h"
#include "LinkedModule.h"
#include "TestTicks.h"

#include "ModuleFrames.h"
#include "link/Commands.h"
#include "maint/ClockAccess.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QTest>

namespace {

std::array<std::uint8_t, 256> patternBlock(int seed)
{
    std::array<std::uint8_t, 256> data{};
    for (int i = 0; i < 256; ++i)
        data[std::size_t(i)] = std::uint8_t(i * 13 + seed);
    return data;
}

bool sameAsMemoryBlock(const Frame& f, const ParameterMemory& memory, int block)
{
    return std::equal(f.begin(), f.begin() + 256, memory.begin() + 256 * block);
}

} // namespace

class TestTransactions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void codeCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QByteArray>("line");
        const QString wrong = QStringLiteral(" Hibás telepítői azonosító!");
        const QString silence = QStringLiteral("A modul nem válaszol! Állítsa le a riasztási eseményeket és próbálja újra!");
        QTest::newRow("accepted") << "1234" << false << false << true << "OK." << QByteArray("RPWDEDCB00");
        QTest::newRow("letters ignored") << "12x34" << false << false << true << "OK." << QByteArray("RPWDEDCB00");
        QTest::newRow("wrong code") << "4321" << false << false << false << wrong << QByteArray("RPWDBCDE00");
        QTest::newRow("refused") << "1234" << true << false << false << wrong << QByteArray("RPWDEDCB00");
        QTest::newRow("silent") << "1234" << false << true << false << silence << QByteArray("RPWDEDCB00");
    }

    void codeCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, refuse);
        QFETCH(bool, silent);
        QFETCH(bool, accepted);
        QFETCH(QString, failure);
        QFETCH(QByteArray, line);
        LinkedModule m;
        m.typedCode = typed;
        m.sim.module().faults().refuseCode = refuse;
        m.sim.module().faults().silent = silent;
        QVERIFY(m.connect());
        QCOMPARE(m.link.blocks().CheckInstallerCode(), accepted);
        QCOMPARE(m.link.blocks().failureText(), failure);
        QCOMPARE(m.received("RPWD"), QByteArrayList{line});
        // Only silence runs the whole 30 ticks out.
        QCOMPARE(m.link.countdown().value() == 0, silent);
    }

    void readsEveryParameterBlock()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        for (int block = 0; block < 8; ++block) {
            QVERIFY(m.link.blocks().readBlock(std::uint16_t(block)));
            QVERIFY(sameAsMemoryBlock(m.link.frameBuffer(), m.sim.module().memory().active(), block));
            QCOMPARE(m.link.frameBuffer()[265], block);
        }
        QCOMPARE(m.received("RDFL"), (QByteArrayList{"RDFL0000", "RDFL0001", "RDFL0002", "RDFL0003", "RDFL0004",
                                                     "RDFL0005", "RDFL0006", "RDFL0007"}));
    }

    void failedReads_data()
    {
        QTest::addColumn<bool>("badChecksum");
        QTest::addColumn<bool>("wrongBlock");
        QTest::addColumn<bool>("frameGood");
        QTest::newRow("bad checksum") << true << false << false;
        QTest::newRow("wrong block number") << false << true << true;
    }

    void failedReads()
    {
        QFETCH(bool, badChecksum);
        QFETCH(bool, wrongBlock);
        QFETCH(bool, frameGood);
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        m.sim.module().faults().badChecksum = badChecksum;
        m.sim.module().faults().wrongBlock = wrongBlock;
        QVERIFY(!m.link.blocks().readBlock(2));
        QCOMPARE(m.link.flags().frameGood, frameGood);
        QCOMPARE(m.link.flags().frameBad, !frameGood);
        // The answer ended the wait; it did not run out.
        QVERIFY(m.link.countdown().value() > 0);
    }

    // Two answers to one request arrive together. The all-zero frame of block
    // 2 is good with the checksum 32640 + 2 = 0x7F82, least significant
    // byte first; the malformed one breaks off at its 101st byte, after its
    // first 100 bytes (0xFF) were already decoded into the frame buffer.
    void onlyTheLastFrameOfAWaitCounts_data()
    {
        const QByteArray good = "RDFL" + QByteArray(528, '0') + "0002" + "827F0000";
        const QByteArray malformed = "RDFL" + QByteArray(200, 'F') + "zz" + QByteArray(338, '0');
        const QByteArray shortLine = "RDFL" + QByteArray(539, '0');
        QTest::addColumn<QByteArray>("burst");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("good") << good << true;
        QTest::newRow("good, then malformed") << good + '\r' + malformed << false;
        QTest::newRow("good, then too short") << good + '\r' + shortLine << false;
        QTest::newRow("malformed, then good") << malformed + '\r' + good << true;
        QTest::newRow("good twice") << good + '\r' + good << true;
    }

    void onlyTheLastFrameOfAWaitCounts()
    {
        QFETCH(QByteArray, burst);
        QFETCH(bool, accepted);
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        m.sim.module().faults().silent = true;
        QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &m.sim, [&m, burst](const QByteArray& line) {
            if (line == "RDFL0002")
                m.sim.sendLine(burst); // one write: both lines reach the link together
        });
        QCOMPARE(m.link.blocks().readBlock(2), accepted);
        if (accepted)
            QVERIFY(std::all_of(m.link.frameBuffer().begin(), m.link.frameBuffer().begin() + 256,
                                [](std::uint8_t b) { return b == 0; }));
    }

    // A module that spoils its first answers to one request: with more
    // attempts the step is made again, up to that many times, unless the
    // module refused the code or a first code check heard nothing at all.
    void repeatedSteps_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("loginFirst");
        QTest::addColumn<int>("spoiled");
        QTest::addColumn<QByteArray>("spoilt"); // the answer instead; empty: none
        QTest::addColumn<int>("attempts");
        QTest::addColumn<bool>("succeeds");
        QTest::addColumn<int>("requests");
        const QByteArray badFrame = "RDFL" + QByteArray(540, '0');
        BlockBytes data{};
        data.fill(0x20);
        // Block 0x1002 answers a request damaged in its high digits; its low
        // byte is the requested one.
        const QByteArray otherBlock = blockReplyLine(data, 0x1002, FaultSwitches{});
        const QByteArray read = "RDFL0002";
        const auto row = [](const char* name, const QByteArray& request, bool loginFirst, int spoiled,
                            const QByteArray& spoilt, int attempts, bool succeeds, int requests) {
            QTest::newRow(name) << request << loginFirst << spoiled << spoilt << attempts << succeeds << requests;
        };
        row("read, bad frame, one attempt", read, true, 1, badFrame, 1, false, 1);
        row("read, bad frame, two attempts", read, true, 1, badFrame, 2, true, 2);
        row("read, unanswered twice", read, true, 2, {}, 3, true, 3);
        row("read, bad frames throughout", read, true, 9, badFrame, 3, false, 3);
        row("read, other block, one attempt", read, true, 1, otherBlock, 1, false, 1);
        row("read, other block, two attempts", read, true, 1, otherBlock, 2, true, 2);
        row("read, refused", read, true, 9, "PWDERR", 3, false, 1);
        row("activation unconfirmed once", "WRACT", true, 1, {}, 2, true, 2);
        row("activation unconfirmed throughout", "WRACT", true, 9, {}, 2, false, 2);
        row("first code check, silence", "RPWD", false, 9, {}, 3, false, 1);
        row("first code check, refused", "RPWD", false, 9, "PWDERR", 3, false, 1);
        row("first code check, damaged answer", "RPWD", false, 1, "PWXOK", 2, true, 2);
        row("later code check, silence", "RPWD", true, 1, {}, 2, true, 2);
        row("later code check, refused", "RPWD", true, 2, "PWDERR", 3, true, 3);
    }

    void repeatedSteps()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, loginFirst);
        QFETCH(int, spoiled);
        QFETCH(QByteArray, spoilt);
        QFETCH(int, attempts);
        QFETCH(bool, succeeds);
        QFETCH(int, requests);
        LinkedModule m;
        QVERIFY(m.connect());
        BlockTransfer& blocks = m.link.blocks();
        blocks.setAttempts(attempts);
        QVERIFY(!loginFirst || blocks.CheckInstallerCode());
        m.sim.clearReceivedLines();
        int seen = 0;
        QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &m.sim, [&](const QByteArray& line) {
            if (!line.startsWith(request))
                return;
            const bool spoil = ++seen <= spoiled;
            m.sim.module().faults().silent = spoil;
            if (spoil && !spoilt.isEmpty())
                m.sim.sendLine(spoilt);
        });
        bool done = false;
        if (request.startsWith("RDFL"))
            done = blocks.readBlock(2);
        else if (request == "WRACT")
            done = blocks.activate();
        else
            done = blocks.CheckInstallerCode();
        QCOMPARE(done, succeeds);
        // Requests sent after the last wait reach the module only now.
        QTest::qWait(5 * kTestTickMs);
        QCOMPARE(m.received(request).size(), requests);
    }

    // A clock setting refused with "WRFLERR" is made again with the time of
    // the new attempt: 2 January 2031, 00:06 the second time.
    void clockSettingIsMadeAgainWithTheTimeAfresh()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        m.link.blocks().setAttempts(2);
        int writes = 0;
        QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &m.sim, [&m, &writes](const QByteArray& line) {
            if (line == "WRFL")
                m.sim.module().faults().silent = ++writes == 1;
            else if (m.sim.module().faults().silent)
                m.sim.sendLine("WRFLERR");
        });
        int minute = 5;
        const auto now = [&minute] { return QDateTime(QDate(2031, 1, 2), QTime(0, minute++)); };
        QCOMPARE(maint::SetModuleClock(m.link, now, [](const QString&) {}), maint::ClockOutcome::Done);
        const QByteArrayList lines = m.sim.receivedLines();
        QCOMPARE(m.received("WRFL").size(), 2);
        QVERIFY(lines.last().startsWith("1F01020006"));
        QVERIFY(lines.at(lines.size() - 3).startsWith("1F01020005"));
    }

    void versionReadDoesNotCheckTheBlockNumber()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        m.sim.module().faults().wrongBlock = true;
        QVERIFY(m.link.blocks().readBlock(frame::kVersionAddress, BlockNumberCheck::NotChecked));
        QVERIFY(!m.link.blocks().readBlock(frame::kVersionAddress, BlockNumberCheck::Required));
    }

    void refusalEndsAReadAtOnce()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        // Without a login the module answers the request with "PWDERR".
        QVERIFY(!m.link.blocks().readBlock(0));
        QVERIFY(m.link.flags().codeRejected);
        QVERIFY(!m.link.flags().frameGood);
        QVERIFY(m.link.countdown().value() > 0);
    }

    void writeIsAcknowledgedAndActivated()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        const auto data = patternBlock(5);
        QVERIFY(m.link.blocks().writeBlock(BuildWriteFrame(data, 3)));
        const ParameterMemory& staged = m.sim.module().memory().staged();
        QVERIFY(std::equal(data.begin(), data.end(), staged.begin() + 3 * 256));
        // Not in use before the activation.
        QVERIFY(!std::equal(data.begin(), data.end(), m.sim.module().memory().active().begin() + 3 * 256));
        QVERIFY(m.link.blocks().activate());
        QVERIFY(std::equal(data.begin(), data.end(), m.sim.module().memory().active().begin() + 3 * 256));
        // The module received "WRFL", then the 540 digits of the frame.
        const QByteArrayList lines = m.sim.receivedLines();
        const qsizetype at = lines.indexOf("WRFL");
        QVERIFY(at >= 0 && at + 1 < lines.size());
        QCOMPARE(lines[at + 1], frameToHex(BuildWriteFrame(data, 3)));
        QCOMPARE(lines.last(), QByteArray("WRACT"));
    }

    void acknowledgementBeforeTheFinalCrIsNotCounted()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        m.sim.module().faults().silent = true;
        // A "WROK" already on its way before the frame is finished.
        m.sim.sendLine("WROK");
        QVERIFY(!m.link.blocks().writeBlock(BuildWriteFrame(patternBlock(2), 1)));
    }

    void staleCodeAnswerIsNotTakenForTheVerdict()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        m.sim.module().faults().silent = true;
        m.sim.sendLine("PWDOK");
        QVERIFY(!m.link.blocks().CheckInstallerCode());
        QCOMPARE(m.link.blocks().failureText(), QStringLiteral("A modul nem válaszol! Állítsa le a riasztási eseményeket és próbálja újra!"));
    }

    void clockWriteEndsOnWriteFailure()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        QVERIFY(m.link.blocks().CheckInstallerCode());
        // A frame whose checksum is broken is refused with "WRFLERR".
        Frame broken = BuildWriteFrame(patternBlock(3), frame::kClockAddress);
        broken[266] ^= 0xFF;
        QVERIFY(!m.link.blocks().writeBlock(broken, WriteConfirmation::AcknowledgedOrFailed));
        QVERIFY(m.link.flags().writeFailed);
        QVERIFY(m.link.countdown().value() > 0);
        QVERIFY(m.link.blocks().writeBlock(BuildWriteFrame(patternBlock(3), frame::kClockAddress),
                                           WriteConfirmation::AcknowledgedOrFailed));
    }

    // Against a line that never answers, each wait runs its whole budget of
    // ticks; the far side shows the request exactly as it went out.
    void waitsRunTheirTickBudget_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("budget");
        QTest::addColumn<QByteArray>("request");
        const QByteArray zeroFrameForBlock0 = QByteArray(532, '0') + "00007F80";
        QTest::newRow("code check") << 0 << 30 << QByteArray("RPWDEDCB00\r");
        QTest::newRow("block read") << 1 << 50 << QByteArray("RDFL0003\r");
        QTest::newRow("block write") << 2 << 80 << "WRFL\r" + zeroFrameForBlock0 + "\r";
        QTest::newRow("activation") << 3 << 100 << QByteArray("WRACT\r");
    }

    void waitsRunTheirTickBudget()
    {
        QFETCH(int, step);
        QFETCH(int, budget);
        QFETCH(QByteArray, request);
        constexpr int kTickMs = 20;
        ticks::setLengthMs(kTickMs);
        const auto restore = qScopeGuard([] { useTestTicks(); });
        FarSide far;
        DeviceLink link;
        QVERIFY(far.attach(link));
        BlockTransfer& blocks = link.blocks();
        QElapsedTimer clock;
        clock.start();
        switch (step) {
        case 0: QVERIFY(!blocks.CheckInstallerCode()); break;
        case 1: QVERIFY(!blocks.readBlock(3)); break;
        case 2: QVERIFY(!blocks.writeBlock(BuildWriteFrame(std::array<std::uint8_t, 256>{}, 0))); break;
        case 3: QVERIFY(!blocks.activate()); break;
        }
        const qint64 elapsed = clock.elapsed();
        // The first tick may come at once, and a coarse timer may fire up to
        // 5 % early; a busy machine only adds time.
        QVERIFY2(elapsed >= (budget - 1) * kTickMs * 95 / 100, qPrintable(QString::number(elapsed)));
        QVERIFY2(elapsed < budget * kTickMs * 3 / 2, qPrintable(QString::number(elapsed)));
        QCOMPARE(far.take(request.size()), request);
    }

    void secondTransactionIsRefused()
    {
        LinkedModule m;
        m.link.codeTimer().start();
        {
            auto first = m.link.beginTransaction();
            QVERIFY(first.has_value());
            QVERIFY(!m.link.codeTimer().isActive());
            QVERIFY(!m.link.beginTransaction().has_value());
            {
                // Nested steps of the same transaction keep the timer off.
                CodeTimerPause inner(m.link.codeTimer());
            }
            QVERIFY(!m.link.codeTimer().isActive());
        }
        QVERIFY(m.link.codeTimer().isActive());
        QVERIFY(m.link.beginTransaction().has_value());
    }

    void codeTimerChecksTheCodePeriodically()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        m.link.codeTimer().start();
        QTRY_VERIFY_WITH_TIMEOUT(m.received("RPWD").size() >= 2, 20000);
        QVERIFY(m.link.flags().codeAccepted);
        m.link.serial().close();
        m.sim.clearReceivedLines();
        QTest::qWait(3 * ticks::toMs(ticks::kCodeTimerPeriod));
        QVERIFY(m.received().isEmpty());
    }

    void connectRestartsTheCodeTimer()
    {
        LinkedModule m;
        QVERIFY(m.connect());
        m.link.codeTimer().stop();
        m.sim.sendLine("CONNECT 9600");
        QTRY_VERIFY(m.link.flags().remoteConnected);
        QVERIFY(m.link.codeTimer().isActive());
    }
};

QTEST_GUILESS_MAIN(TestTransactions)
#include "tst_transactions.moc"
