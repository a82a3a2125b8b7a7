// The parameter transfers of the core against the simulated module: read,
// write with activation and compare, with each way they can fail.
#include "FieldProbe.h"
#include "LinkedModule.h"
#include "TestTicks.h"
#include "TransferProbe.h"

#include "link/Commands.h"
#include "link/LinkTexts.h"
#include "params/ImageComparison.h"
#include "params/ImageLayout.h"
#include "params/ParameterTransfer.h"
#include "params/TextFields.h"

#include <QTest>
#include <QTimer>

#include <set>

using namespace params;

Q_DECLARE_METATYPE(params::TransferKind)
Q_DECLARE_METATYPE(params::TransferOutcome)

namespace {

const QByteArray kLogin = "RPWD" + encodeInstallerCode(QString::fromLatin1(LinkedModule::kDemoCode));

QByteArrayList allReads()
{
    return {"RDFL0000", "RDFL0001", "RDFL0002", "RDFL0003", "RDFL0004", "RDFL0005", "RDFL0006", "RDFL0007"};
}

// A transfer on a module that is connected and set up by the test.
struct Rig
{
    Rig()
        : transfer(m.link, image)
        , probe(transfer)
    {
    }

    LinkedModule m;
    ParameterImage image;
    ParameterTransfer transfer;
    TransferProbe probe;
};

} // namespace

class TestParameterTransfer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void readFillsTheImage()
    {
        Rig r;
        QVERIFY(r.m.connect());
        r.m.link.codeTimer().start();
        bool timerDuringTransfer = true;
        r.probe.onBlockDone(3, [&] { timerDuringTransfer = r.m.link.codeTimer().isActive(); });

        QCOMPARE(r.transfer.read(), TransferOutcome::Done);
        QCOMPARE(r.image, moduleImage(r.m));
        QCOMPARE(r.probe.events, transferEvents(doneEvents(0, 7)));
        // Two logins (the transfer's and the version query's), the version, the blocks.
        QCOMPARE(r.m.received(), QByteArrayList({kLogin, kLogin, "RDFLFFFF"}) + allReads());
        QCOMPARE(r.m.link.moduleDataVersion, 2);
        QVERIFY(!timerDuringTransfer);
        QVERIFY(r.m.link.codeTimer().isActive());
        QVERIFY(!r.m.link.transactionRunning());
    }

    void writeStagesEveryBlockAndActivates()
    {
        Rig r;
        QVERIFY(r.m.connect());
        r.image = writableNoise(7);
        QVERIFY(moduleImage(r.m) != r.image);

        QCOMPARE(r.transfer.write(), TransferOutcome::Done);
        QCOMPARE(moduleImage(r.m), r.image);
        QCOMPARE(r.probe.events, transferEvents(doneEvents(0, 7)));
        QCOMPARE(r.m.received("WRFL").size(), 8);
        QCOMPARE(r.m.received("WRACT"), QByteArrayList{"WRACT"});
        QVERIFY(parameterReads(r.m).isEmpty());
    }

    void compareAfterChange_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("differingBlock"); // -1: all equal
        QTest::newRow("nothing changed") << -1 << -1;
        QTest::newRow("first byte of user 1 code") << 10 << -1;
        QTest::newRow("last byte of user 1 code") << 12 << -1;
        QTest::newRow("user 2 code") << 26 << -1;
        QTest::newRow("last byte of user 12 code") << 177 << -1;
        QTest::newRow("first byte of installer code") << 180 << -1;
        QTest::newRow("last byte of installer code") << 182 << -1;
        QTest::newRow("last byte of user 1 name") << 9 << 0;
        QTest::newRow("user 1 rights after the code") << 13 << 0;
        QTest::newRow("user 12 rights") << 179 << 0;
        QTest::newRow("zone 1 name after the installer code") << 183 << 0;
        QTest::newRow("first byte of block 1") << 256 << 1;
        QTest::newRow("block 3, code offset of block 0") << 3 * 256 + 10 << 3;
        QTest::newRow("last byte of the image") << 2047 << 7;
    }

    void compareAfterChange()
    {
        QFETCH(int, offset);
        QFETCH(int, differingBlock);
        Rig r;
        QVERIFY(r.m.connect());
        QCOMPARE(r.transfer.read(), TransferOutcome::Done);
        if (offset >= 0)
            r.image.set(offset, std::uint8_t(r.image.at(offset) ^ 0x5A));
        r.probe.events.clear();
        r.m.sim.clearReceivedLines();

        const TransferOutcome outcome = r.transfer.compare();
        if (differingBlock < 0) {
            QCOMPARE(outcome, TransferOutcome::Done);
            QCOMPARE(r.probe.events, transferEvents(doneEvents(0, 7)));
            QCOMPARE(parameterReads(r.m), allReads());
        } else {
            QCOMPARE(outcome, TransferOutcome::Differs);
            QCOMPARE(r.probe.events, transferEvents(doneEvents(0, differingBlock - 1)
                                                    << QStringLiteral("differs %1").arg(differingBlock)));
            // The comparison ends at the first difference.
            QCOMPARE(parameterReads(r.m), allReads().mid(0, differingBlock + 1));
        }
    }

    void compareLeavesOutEditedCodesButNotNames_data()
    {
        QTest::addColumn<bool>("editName");
        QTest::addColumn<int>("user");
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::newRow("code of user 1") << false << 1 << TransferOutcome::Done;
        QTest::newRow("code of user 12") << false << 12 << TransferOutcome::Done;
        QTest::newRow("name of user 1") << true << 1 << TransferOutcome::Differs;
        QTest::newRow("name of user 12") << true << 12 << TransferOutcome::Differs;
    }

    void compareLeavesOutEditedCodesButNotNames()
    {
        QFETCH(bool, editName);
        QFETCH(int, user);
        QFETCH(TransferOutcome, outcome);
        Rig r;
        QVERIFY(r.m.connect());
        QCOMPARE(r.transfer.read(), TransferOutcome::Done);
        if (editName)
            WriteText(r.image, fieldRef(Field::UserName, user), u"Valaki Más");
        else
            WriteCode(r.image, fieldRef(Field::UserCode, user), QStringLiteral("987654"));
        QVERIFY(r.image != moduleImage(r.m));
        QCOMPARE(r.transfer.compare(), outcome);
        if (outcome == TransferOutcome::Differs)
            QVERIFY(r.probe.events.contains("differs 0"));
    }

    // Every byte of the image, changed alone, makes its block differ except
    // the code bytes of block 0.
    void comparedBytes()
    {
        std::set<int> codeBytes{180, 181, 182};
        for (int k = 0; k < 12; ++k)
            for (int i = 10 + 15 * k; i <= 12 + 15 * k; ++i)
                codeBytes.insert(i);
        const ParameterImage module = noiseImage(3);
        for (int offset = 0; offset < ParameterImage::kSize; ++offset) {
            ParameterImage image = module;
            image.set(offset, std::uint8_t(~image.at(offset)));
            const int block = offset / ParameterImage::kBlockSize;
            QVERIFY2(blockMatchesImage(image, block, module.block(block)) == codeBytes.contains(offset),
                     qPrintable(QString::number(offset)));
            QVERIFY(blockMatchesImage(module, block, module.block(block)));
        }
    }

    void failedReadKeepsTheImage_data()
    {
        QTest::addColumn<TransferKind>("kind");
        QTest::addColumn<QString>("fault");
        QTest::newRow("read, block not answered") << TransferKind::Read << "drop";
        QTest::newRow("read, wrong block number") << TransferKind::Read << "wrong block";
        QTest::newRow("read, bad checksum") << TransferKind::Read << "bad checksum";
        QTest::newRow("compare, block not answered") << TransferKind::Compare << "drop";
        QTest::newRow("compare, wrong block number") << TransferKind::Compare << "wrong block";
    }

    void failedReadKeepsTheImage()
    {
        QFETCH(TransferKind, kind);
        QFETCH(QString, fault);
        constexpr int kFailing = 5;
        Rig r;
        FaultSwitches& faults = r.m.sim.module().faults();
        if (fault == "drop")
            faults.dropReadBlock = kFailing;
        else
            r.probe.onBlockDone(kFailing - 1, [&] {
                faults.wrongBlock = fault == "wrong block";
                faults.badChecksum = fault == "bad checksum";
            });
        QVERIFY(r.m.connect());
        r.image = writableNoise(11);
        const ParameterImage before = r.image;
        if (kind == TransferKind::Compare)
            r.image = moduleImage(r.m);

        QCOMPARE(r.transfer.run(kind), TransferOutcome::BlockFailed);
        QCOMPARE(r.probe.events, transferEvents(doneEvents(0, kFailing - 1) << QStringLiteral("failed %1").arg(kFailing)));
        QCOMPARE(parameterReads(r.m), allReads().mid(0, kFailing + 1));
        if (kind == TransferKind::Read)
            QCOMPARE(r.image, before);
    }

    // Block 2's first writes are answered "WRFLERR" or not at all. One
    // attempt stops there; more attempts write it again and go on.
    void unacknowledgedWrite_data()
    {
        QTest::addColumn<int>("attempts");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("spoiled");
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::addColumn<int>("writes");
        QTest::newRow("one attempt, no answer") << 1 << QByteArray() << 1 << TransferOutcome::BlockFailed << 3;
        QTest::newRow("one attempt, refused") << 1 << QByteArray("WRFLERR") << 1 << TransferOutcome::BlockFailed << 3;
        QTest::newRow("two attempts, no answer once") << 2 << QByteArray() << 1 << TransferOutcome::Done << 9;
        QTest::newRow("three attempts, refused twice") << 3 << QByteArray("WRFLERR") << 2 << TransferOutcome::Done << 10;
        QTest::newRow("two attempts, refused twice") << 2 << QByteArray("WRFLERR") << 2 << TransferOutcome::BlockFailed << 4;
    }

    void unacknowledgedWrite()
    {
        QFETCH(int, attempts);
        QFETCH(QByteArray, answer);
        QFETCH(int, spoiled);
        QFETCH(TransferOutcome, outcome);
        QFETCH(int, writes);
        constexpr int kFailing = 2;
        Rig r;
        QVERIFY(r.m.connect());
        r.m.link.blocks().setAttempts(attempts);
        const ParameterImage original = moduleImage(r.m);
        r.image = writableNoise(13);
        // Block 2 is the third "WRFL"; the module neither takes the spoiled
        // frames nor answers them but with `answer`.
        int frames = 0;
        QObject::connect(&r.m.sim, &ModuleSimulator::lineReceived, &r.m.sim, [&](const QByteArray& line) {
            FaultSwitches& faults = r.m.sim.module().faults();
            if (line == "WRFL") {
                ++frames;
                faults.silent = frames > kFailing && frames <= kFailing + spoiled;
            } else if (faults.silent) {
                if (!answer.isEmpty())
                    r.m.sim.sendLine(answer);
            }
        });

        QCOMPARE(r.transfer.write(), outcome);
        QCOMPARE(r.m.received("WRFL").size(), writes);
        if (outcome == TransferOutcome::Done) {
            QCOMPARE(r.probe.events, transferEvents(doneEvents(0, 7)));
            QCOMPARE(moduleImage(r.m), r.image);
        } else {
            QCOMPARE(r.probe.events, transferEvents(doneEvents(0, kFailing - 1) << QStringLiteral("failed %1").arg(kFailing)));
            QVERIFY(r.m.received("WRACT").isEmpty());
            QCOMPARE(moduleImage(r.m), original);
            // With more attempts "WRFLERR" ends a write's wait; one attempt
            // waits for "WROK" alone until its time runs out.
            QCOMPARE(r.m.link.countdown().value() > 0, !answer.isEmpty() && attempts > 1);
        }
    }

    void unconfirmedActivation()
    {
        Rig r;
        r.m.sim.module().faults().noActivation = true;
        QVERIFY(r.m.connect());
        const ParameterImage original = moduleImage(r.m);
        r.image = writableNoise(17);

        QCOMPARE(r.transfer.write(), TransferOutcome::ActivationFailed);
        QCOMPARE(r.probe.events, transferEvents(doneEvents(0, 7) << "activation failed"));
        QCOMPARE(r.m.received("WRACT"), QByteArrayList{"WRACT"});
        QCOMPARE(moduleImage(r.m), original);
    }

    void loginFailure_data()
    {
        QTest::addColumn<TransferKind>("kind");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QString>("failureText");
        const std::pair<const char*, TransferKind> kinds[] = {
            {"read", TransferKind::Read}, {"write", TransferKind::Write}, {"compare", TransferKind::Compare}};
        for (const auto& [name, kind] : kinds) {
            QTest::addRow("%s, code refused", name) << kind << false << text::wrongInstallerCode;
            QTest::addRow("%s, no answer", name) << kind << true << text::moduleNoAnswer;
        }
    }

    void loginFailure()
    {
        QFETCH(TransferKind, kind);
        QFETCH(bool, silent);
        QFETCH(QString, failureText);
        Rig r;
        r.m.sim.module().faults().refuseCode = !silent;
        r.m.sim.module().faults().silent = silent;
        QVERIFY(r.m.connect());
        const ParameterImage original = moduleImage(r.m);
        r.image = writableNoise(19);
        const ParameterImage before = r.image;

        QCOMPARE(r.transfer.run(kind), TransferOutcome::LoginFailed);
        QCOMPARE(r.probe.events, transferEvents({"login " + failureText}));
        QCOMPARE(r.m.received(), QByteArrayList{kLogin});
        QCOMPARE(r.image, before);
        QCOMPARE(moduleImage(r.m), original);
    }

    void dataVersionMismatch_data()
    {
        QTest::addColumn<TransferKind>("kind");
        QTest::addColumn<QByteArray>("reported");
        QTest::addColumn<QString>("message");
        const QString three = QStringLiteral("Ehhez a GSM-Sentrova programverzióhoz másik Sentrova Pultrex program "
                                             "szükséges!   (SentrovaDataVer=3 , PultrexDataVer=2)");
        QTest::newRow("read, version 3") << TransferKind::Read << QByteArray("3") << three;
        QTest::newRow("write, version 3") << TransferKind::Write << QByteArray("3") << three;
        QTest::newRow("compare, version 3") << TransferKind::Compare << QByteArray("3") << three;
        QTest::newRow("read, no digits") << TransferKind::Read << QByteArray()
                                         << dataVersionMismatchText(0);
        QTest::newRow("read, version 12") << TransferKind::Read << QByteArray("12")
                                          << dataVersionMismatchText(12);
    }

    void dataVersionMismatch()
    {
        QFETCH(TransferKind, kind);
        QFETCH(QByteArray, reported);
        QFETCH(QString, message);
        QVERIFY(message.contains(QStringLiteral("(SentrovaDataVer=")));
        Rig r;
        VersionTexts versions;
        versions.data = reported;
        r.m.sim.module().setVersionTexts(versions);
        QVERIFY(r.m.connect());
        const ParameterImage original = moduleImage(r.m);
        r.image = writableNoise(23);
        const ParameterImage before = r.image;

        QCOMPARE(r.transfer.run(kind), TransferOutcome::VersionMismatch);
        QCOMPARE(r.probe.events, transferEvents({"version " + message}));
        QCOMPARE(r.m.received(), QByteArrayList({kLogin, kLogin, "RDFLFFFF"}));
        QCOMPARE(r.image, before);
        QCOMPARE(moduleImage(r.m), original);
    }

    // A version query that brought no version names none: a damaged or
    // missing version block is a failed read, a failed code check of the
    // query a failed login. Nothing is moved.
    void versionNotKnown_data()
    {
        QTest::addColumn<TransferKind>("kind");
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::addColumn<QString>("event");
        QTest::newRow("write, damaged version block") << TransferKind::Write << "checksum" << TransferOutcome::VersionUnread
                                                      << "unread Leolvasás sikertelen.";
        QTest::newRow("read, version block not answered") << TransferKind::Read << "silence" << TransferOutcome::VersionUnread
                                                          << "unread Leolvasás sikertelen.";
        QTest::newRow("compare, code refused in the query") << TransferKind::Compare << "refusal"
                                                            << TransferOutcome::LoginFailed
                                                            << "login  Hibás telepítői azonosító!";
    }

    void versionNotKnown()
    {
        QFETCH(TransferKind, kind);
        QFETCH(QString, spoil);
        QFETCH(TransferOutcome, outcome);
        QFETCH(QString, event);
        Rig r;
        QVERIFY(r.m.connect());
        FaultSwitches& faults = r.m.sim.module().faults();
        int logins = 0;
        QObject::connect(&r.m.sim, &ModuleSimulator::lineReceived, &r.m.sim, [&](const QByteArray& line) {
            if (line.startsWith("RPWD"))
                faults.refuseCode = spoil == "refusal" && ++logins == 2;
            faults.badChecksum = spoil == "checksum" && line == "RDFLFFFF";
            faults.silent = spoil == "silence" && line == "RDFLFFFF";
        });
        const ParameterImage original = moduleImage(r.m);
        r.image = writableNoise(31);
        const ParameterImage before = r.image;

        QCOMPARE(r.transfer.run(kind), outcome);
        QCOMPARE(r.probe.events, transferEvents({event}));
        QVERIFY(parameterReads(r.m).isEmpty());
        QVERIFY(r.m.received("WRFL").isEmpty());
        QCOMPARE(r.image, before);
        QCOMPARE(moduleImage(r.m), original);
    }

    // A device lost during the version query is a closed port, not a module
    // with another data version.
    void deviceLostDuringTheVersionQuery()
    {
        Rig r;
        QVERIFY(r.m.connect());
        // The module goes silent at the version request and then away.
        QObject::connect(&r.m.sim, &ModuleSimulator::lineReceived, &r.m.sim, [&r](const QByteArray& line) {
            if (line != "RDFLFFFF")
                return;
            r.m.sim.module().faults().silent = true;
            QTimer::singleShot(0, &r.m.sim, [&r] { r.m.sim.hangUp(); });
        });
        QCOMPARE(r.transfer.run(TransferKind::Read), TransferOutcome::PortClosed);
        QCOMPARE(r.probe.events, transferEvents({}));
    }

    void refusedBeforeTheTransaction_data()
    {
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<TransferOutcome>("outcome");
        QTest::newRow("port closed") << false << TransferOutcome::PortClosed;
        QTest::newRow("another transaction") << true << TransferOutcome::Busy;
    }

    void refusedBeforeTheTransaction()
    {
        QFETCH(bool, portOpen);
        QFETCH(TransferOutcome, outcome);
        Rig r;
        QVERIFY(r.m.connect());
        if (!portOpen)
            r.m.link.serial().close();
        const auto other = r.m.link.beginTransaction();
        QVERIFY(other.has_value());
        r.image = writableNoise(29);
        const ParameterImage before = r.image;
        for (const TransferKind kind : {TransferKind::Read, TransferKind::Write, TransferKind::Compare})
            QCOMPARE(r.transfer.run(kind), outcome);
        QVERIFY(r.probe.events.isEmpty());
        QTest::qWait(5 * kTestTickMs);
        QVERIFY(r.m.sim.receivedLines().isEmpty());
        QCOMPARE(r.image, before);
        QVERIFY(r.m.link.transactionRunning());
    }
};

QTEST_GUILESS_MAIN(TestParameterTransfer)
#include "tst_parametertransfer.moc"
