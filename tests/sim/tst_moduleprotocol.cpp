#include "DemoMemory.h"
#include "ModuleProtocol.h"

#include "FrameText.h"

#include <QTest>

namespace {

using Replies = ModuleProtocol::Replies;
using frametext::frame;
using frametext::repeated;

// Block n filled with A0 + n, so a block taken from the wrong place shows;
// the installer code 1234 is stored as ED CB 00 at 180.
ParameterMemory patternMemory()
{
    ParameterMemory mem{};
    for (int i = 0; i < 2048; ++i)
        mem[std::size_t(i)] = std::uint8_t(0xA0 + i / 256);
    mem[180] = 0xED;
    mem[181] = 0xCB;
    mem[182] = 0x00;
    return mem;
}

const QByteArray kLogIn = "RPWDEDCB00";

void logIn(ModuleProtocol& module)
{
    QCOMPARE(module.handleLine(kLogIn), Replies{"PWDOK"});
}

// The data bytes of block 3 filled with 11, sent with the checksum most
// significant byte first: 32640 + 3.
const QByteArray kWriteBlock3 = frame(repeated("11", 256), "0003", "00007F83");

Replies writeBlock(ModuleProtocol& module, const QByteArray& frameLine)
{
    Replies replies = module.handleLine("WRFL");
    replies += module.handleLine(frameLine);
    return replies;
}

ParameterMemory withBlock(ParameterMemory mem, int block, std::uint8_t fill)
{
    std::fill_n(mem.begin() + 256 * block, 256, fill);
    return mem;
}

} // namespace

class ModuleProtocolTest : public QObject
{
    Q_OBJECT
private slots:
    void codeCheck_data();
    void codeCheck();
    void refusedCodeLogsOut();
    void readBlock_data();
    void readBlock();
    void versionBlock_data();
    void versionBlock();
    void readNeedsLogin_data();
    void readNeedsLogin();
    void unansweredReads_data();
    void unansweredReads();
    void writeIsStagedUntilActivated();
    void badWriteFrame_data();
    void badWriteFrame();
    void writeOutsideParameters();
    void writeAndActivateNeedLogin();
    void activatedCodeTakesEffect();
    void faultSwitchesOnReads_data();
    void faultSwitchesOnReads();
    void silentSwitch();
    void nakWriteBlockSwitch();
    void noActivationSwitch();
    void corruptByteSwitch();
    void otherLinesIgnored_data();
    void otherLinesIgnored();
};

void ModuleProtocolTest::codeCheck_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("4 digits") << "1234" << QByteArray("RPWDEDCB00") << QByteArray("PWDOK");
    QTest::newRow("4 digits, other code") << "1234" << QByteArray("RPWDBCDE00") << QByteArray("PWDERR");
    QTest::newRow("prefix of the code") << "1234" << QByteArray("RPWDEDC000") << QByteArray("PWDERR");
    QTest::newRow("code and one digit more") << "1234" << QByteArray("RPWDEDCBA0") << QByteArray("PWDERR");
    QTest::newRow("empty against 4 digits") << "1234" << QByteArray("RPWD000000") << QByteArray("PWDERR");
    QTest::newRow("6 digits") << "987650" << QByteArray("RPWD6789AF") << QByteArray("PWDOK");
    QTest::newRow("6 digits, last differs") << "987650" << QByteArray("RPWD6789AE") << QByteArray("PWDERR");
    QTest::newRow("zeros are digits") << "0000" << QByteArray("RPWDFFFF00") << QByteArray("PWDOK");
    QTest::newRow("zeros are not an empty code") << "0000" << QByteArray("RPWD000000") << QByteArray("PWDERR");
    QTest::newRow("empty against empty") << "" << QByteArray("RPWD000000") << QByteArray("PWDOK");
    QTest::newRow("lower-case hex") << "1234" << QByteArray("RPWDedcb00") << QByteArray("PWDERR");
}

void ModuleProtocolTest::codeCheck()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);

    ParameterMemory mem = demoParameterMemory();
    storeInstallerCode(mem, stored);
    ModuleProtocol module(mem);
    QCOMPARE(module.handleLine(line), Replies{reply});
    QCOMPARE(module.loggedIn(), reply == "PWDOK");
}

void ModuleProtocolTest::refusedCodeLogsOut()
{
    ModuleProtocol module(patternMemory());
    logIn(module);
    QCOMPARE(module.handleLine("RPWD666600"), Replies{"PWDERR"});
    QCOMPARE(module.handleLine("RDFL0000"), Replies{"PWDERR"});
}

void ModuleProtocolTest::readBlock_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    // Blocks of one repeated byte sum to 32640 plus their address; sent
    // least significant byte first.
    QTest::newRow("block 1") << QByteArray("RDFL0001") << "RDFL" + frame(repeated("A1", 256), "0001", "817F0000");
    QTest::newRow("block 5") << QByteArray("RDFL0005") << "RDFL" + frame(repeated("A5", 256), "0005", "857F0000");
    QTest::newRow("block 7") << QByteArray("RDFL0007") << "RDFL" + frame(repeated("A7", 256), "0007", "877F0000");
    // Bytes 180-182 hold the code: sum 32974 = 80CE.
    QTest::newRow("block 0")
        << QByteArray("RDFL0000")
        << "RDFL" + frame(repeated("A0", 180) + "EDCB00" + repeated("A0", 73), "0000", "CE800000");
}

void ModuleProtocolTest::readBlock()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    ModuleProtocol module(patternMemory());
    logIn(module);
    const Replies replies = module.handleLine(request);
    QCOMPARE(replies, Replies{reply});
    QCOMPARE(replies.front().size(), 544);
}

void ModuleProtocolTest::versionBlock_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("defaults") << QByteArray() << QByteArray()
                              << "RDFL" + frame(QByteArray("GSM-SENTROVA V3.05").toHex().toUpper() + repeated("00", 14)
                                                    + "32" + repeated("00", 223),
                                                "FFFF", "8E850000");
    QTest::newRow("other texts") << QByteArray("V1") << QByteArray("3")
                                 << "RDFL" + frame("5631" + repeated("00", 30) + "33" + repeated("00", 223), "FFFF",
                                                   "F6810000");
}

void ModuleProtocolTest::versionBlock()
{
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, reply);

    ModuleProtocol module(patternMemory());
    if (!program.isEmpty()) {
        VersionTexts texts;
        texts.program = program;
        texts.data = data;
        module.setVersionTexts(texts);
    }
    logIn(module);
    QCOMPARE(module.handleLine("RDFLFFFF"), Replies{reply});
}

void ModuleProtocolTest::readNeedsLogin_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("parameter block") << QByteArray("RDFL0003");
    QTest::newRow("version block") << QByteArray("RDFLFFFF");
}

void ModuleProtocolTest::readNeedsLogin()
{
    QFETCH(QByteArray, line);
    ModuleProtocol module(patternMemory());
    QCOMPARE(module.handleLine(line), Replies{"PWDERR"});
}

void ModuleProtocolTest::unansweredReads_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("block past the parameters") << QByteArray("RDFL0008");
    QTest::newRow("address with a high byte") << QByteArray("RDFL0100");
    QTest::newRow("past the event memory") << QByteArray("RDFLF004");
    QTest::newRow("three digits") << QByteArray("RDFL000");
    QTest::newRow("five digits") << QByteArray("RDFL00000");
    QTest::newRow("lower-case digits") << QByteArray("RDFLffff");
    QTest::newRow("not a digit") << QByteArray("RDFL00G0");
}

void ModuleProtocolTest::unansweredReads()
{
    QFETCH(QByteArray, line);
    ModuleProtocol module(patternMemory());
    logIn(module);
    QCOMPARE(module.handleLine(line), Replies{});
}

void ModuleProtocolTest::writeIsStagedUntilActivated()
{
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);

    QCOMPARE(writeBlock(module, kWriteBlock3), Replies{"WROK"});
    QCOMPARE(module.memory().staged(), withBlock(original, 3, 0x11));
    QCOMPARE(module.memory().active(), original);
    // Reads come from the parameters in use.
    QCOMPARE(module.handleLine("RDFL0003"), Replies{"RDFL" + frame(repeated("A3", 256), "0003", "837F0000")});

    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.memory().active(), withBlock(original, 3, 0x11));
    QCOMPARE(module.handleLine("RDFL0003"), Replies{"RDFL" + frame(repeated("11", 256), "0003", "837F0000")});
}

void ModuleProtocolTest::badWriteFrame_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("checksum least significant byte first") << frame(repeated("11", 256), "0003", "837F0000");
    QTest::newRow("checksum of another block") << frame(repeated("11", 256), "0003", "00007F82");
    QTest::newRow("one data byte changed") << frame("10" + repeated("11", 255), "0003", "00007F83");
    QTest::newRow("one byte short") << kWriteBlock3.left(538);
    QTest::newRow("one byte more") << kWriteBlock3 + "00";
    QTest::newRow("odd length") << kWriteBlock3.left(539);
    QTest::newRow("lower-case hex") << frame(repeated("aa", 256), "0003", "00007f83");
    QByteArray notHex = kWriteBlock3;
    notHex[100] = 'G';
    QTest::newRow("not a hex digit") << notHex;
    QTest::newRow("empty frame line") << QByteArray();
}

void ModuleProtocolTest::badWriteFrame()
{
    QFETCH(QByteArray, line);
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    QCOMPARE(writeBlock(module, line), Replies{"WRFLERR"});
    QCOMPARE(module.memory().staged(), original);
}

void ModuleProtocolTest::writeOutsideParameters()
{
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    for (const QByteArray& line : {frame(repeated("11", 256), "0008", "00007F88"),
                                   frame(repeated("11", 256), "0100", "00007F81"),
                                   frame(repeated("11", 256), "F000", "00008070")})
        QCOMPARE(writeBlock(module, line), Replies{"WROK"});
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.memory().active(), original);
}

void ModuleProtocolTest::writeAndActivateNeedLogin()
{
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    QCOMPARE(module.handleLine("WRFL"), Replies{});
    QCOMPARE(module.handleLine(kWriteBlock3), Replies{"PWDERR"});
    QCOMPARE(module.handleLine("WRACT"), Replies{"PWDERR"});
    QCOMPARE(module.memory().staged(), original);
    QCOMPARE(module.memory().active(), original);
}

void ModuleProtocolTest::activatedCodeTakesEffect()
{
    ModuleProtocol module(patternMemory());
    logIn(module);
    // Block 0 of one repeated byte 9A: the installer code 656565, sent as
    // "9A9A9A".
    QCOMPARE(writeBlock(module, frame(repeated("9A", 256), "0000", "00007F80")), Replies{"WROK"});
    QCOMPARE(module.handleLine("RPWD9A9A9A"), Replies{"PWDERR"});
    logIn(module);
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.handleLine(kLogIn), Replies{"PWDERR"});
    QCOMPARE(module.handleLine("RPWD9A9A9A"), Replies{"PWDOK"});
}

void ModuleProtocolTest::faultSwitchesOnReads_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<Replies>("replies");

    QTest::newRow("refused code") << "refuseCode" << kLogIn << Replies{"PWDERR"};
    // The next block number, and a checksum that fits it.
    QTest::newRow("wrong block 1") << "wrongBlock" << QByteArray("RDFL0001")
                                   << Replies{"RDFL" + frame(repeated("A1", 256), "0002", "827F0000")};
    QTest::newRow("wrong block 7") << "wrongBlock" << QByteArray("RDFL0007")
                                   << Replies{"RDFL" + frame(repeated("A7", 256), "0008", "887F0000")};
    QTest::newRow("wrong version block keeps its high byte")
        << "wrongBlock" << QByteArray("RDFLFFFF")
        << Replies{"RDFL"
                   + frame(QByteArray("GSM-SENTROVA V3.05").toHex().toUpper() + repeated("00", 14) + "32"
                               + repeated("00", 223),
                           "FF00", "8F840000")};
    // Only the lowest checksum byte is spoilt.
    QTest::newRow("bad checksum") << "badChecksum" << QByteArray("RDFL0002")
                                  << Replies{"RDFL" + frame(repeated("A2", 256), "0002", "7D7F0000")};
    QTest::newRow("dropped block") << "dropReadBlock" << QByteArray("RDFL0003") << Replies{};
    QTest::newRow("other block than the dropped one") << "dropReadBlock" << QByteArray("RDFL0004")
                                                     << Replies{"RDFL" + frame(repeated("A4", 256), "0004", "847F0000")};
}

void ModuleProtocolTest::faultSwitchesOnReads()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, request);
    QFETCH(Replies, replies);

    ModuleProtocol module(patternMemory());
    logIn(module);
    FaultSwitches& faults = module.faults();
    faults.refuseCode = fault == "refuseCode";
    faults.wrongBlock = fault == "wrongBlock";
    faults.badChecksum = fault == "badChecksum";
    if (fault == "dropReadBlock")
        faults.dropReadBlock = 3;
    QCOMPARE(module.handleLine(request), replies);
}

void ModuleProtocolTest::silentSwitch()
{
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    module.faults().silent = true;
    QCOMPARE(module.handleLine(kLogIn), Replies{});
    QVERIFY(!module.loggedIn());
    QCOMPARE(module.handleLine("RDFLFFFF"), Replies{});
    QCOMPARE(module.handleLine("WRACT"), Replies{});
    module.faults().silent = false;
    logIn(module);
    module.faults().silent = true;
    QCOMPARE(writeBlock(module, kWriteBlock3), Replies{});
    QCOMPARE(module.handleLine("WRACT"), Replies{});
    QCOMPARE(module.memory().active(), original);
}

void ModuleProtocolTest::nakWriteBlockSwitch()
{
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    module.faults().nakWriteBlock = 3;
    QCOMPARE(writeBlock(module, kWriteBlock3), Replies{});
    QCOMPARE(module.memory().staged(), original);
    // The next line is a command again, not a frame.
    QCOMPARE(writeBlock(module, frame(repeated("11", 256), "0004", "00007F84")), Replies{"WROK"});
    QCOMPARE(module.memory().staged(), withBlock(original, 4, 0x11));
}

void ModuleProtocolTest::noActivationSwitch()
{
    const ParameterMemory original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    module.faults().noActivation = true;
    QCOMPARE(writeBlock(module, kWriteBlock3), Replies{"WROK"});
    QCOMPARE(module.handleLine("WRACT"), Replies{});
    QCOMPARE(module.memory().active(), original);
    module.faults().noActivation = false;
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.memory().active(), withBlock(original, 3, 0x11));
}

void ModuleProtocolTest::corruptByteSwitch()
{
    ModuleProtocol module(patternMemory());
    logIn(module);
    module.faults().corruptByte = 800; // block 3, byte 32
    QCOMPARE(writeBlock(module, kWriteBlock3), Replies{"WROK"});
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    // 11 is kept as 10: the checksum is one less than that of the written block.
    const Replies block3{"RDFL" + frame(repeated("11", 32) + "10" + repeated("11", 223), "0003", "827F0000")};
    QCOMPARE(module.handleLine("RDFL0003"), block3);
    // Activated again, the cell still holds the same wrong byte.
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.handleLine("RDFL0003"), block3);
    QCOMPARE(module.handleLine("RDFL0004"), Replies{"RDFL" + frame(repeated("A4", 256), "0004", "847F0000")});
}

void ModuleProtocolTest::otherLinesIgnored_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("status poll with a short code") << QByteArray("RPWSEDCB");
    QTest::newRow("code check with a short code") << QByteArray("RPWDEDCB");
    QTest::newRow("code check with a long code") << QByteArray("RPWDEDCB0000");
    QTest::newRow("write request with more") << QByteArray("WRFL0000");
    QTest::newRow("activation with more") << QByteArray("WRACTX");
    QTest::newRow("lower-case word") << QByteArray("rpwdEDCB00");
    QTest::newRow("modem command") << QByteArray("AT");
}

void ModuleProtocolTest::otherLinesIgnored()
{
    QFETCH(QByteArray, line);
    ModuleProtocol module(patternMemory());
    logIn(module);
    QCOMPARE(module.handleLine(line), Replies{});
    // Nothing was started by it: the next line is handled as a command.
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
}

QTEST_GUILESS_MAIN(ModuleProtocolTest)
#include "tst_moduleprotocol.moc"
