#include "DemoMemory.h"
#include "ModuleProtocol.h"

#include "link/BlockFrame.h"
#include "link/Commands.h"

#include <QTest>

#include <algorithm>

namespace {

using Replies = ModuleProtocol::Replies;

// Every block different from the others, so a block taken from the wrong
// place shows; the installer code is 1234.
params::ParameterImage patternMemory()
{
    params::ParameterImage mem;
    for (int i = 0; i < memory::kSize; ++i)
        mem.set(i, std::uint8_t(i * 31 + (i >> 8) * 7 + 1));
    storeInstallerCode(mem, QStringLiteral("1234"));
    return mem;
}

QByteArray codeCheckLine(const QString& code)
{
    return *commandLine(command::kCodeCheck, code);
}

void logIn(ModuleProtocol& module)
{
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("1234"))), Replies{"PWDOK"});
}

// The one reply of a block read as a frame, with its decoding verdict.
FrameDecode readFrame(ModuleProtocol& module, std::uint16_t address, Frame& f)
{
    const Replies replies = module.handleLine(readRequestLine(address));
    if (replies.size() != 1 || replies[0].size() != frame::kReplyLineLength)
        return FrameDecode::Bad;
    return decodeReplyFrame(replies[0], f);
}

BlockBytes filledBlock(std::uint8_t first)
{
    BlockBytes data{};
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = std::uint8_t(first + 3 * i);
    return data;
}

QByteArray writeFrameLine(const BlockBytes& data, std::uint16_t address)
{
    return frameToHex(BuildWriteFrame(data, address));
}

Replies writeBlock(ModuleProtocol& module, const QByteArray& frameLine)
{
    Replies replies = module.handleLine("WRFL");
    replies += module.handleLine(frameLine);
    return replies;
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
    void refuseCodeSwitch();
    void wrongBlockSwitch_data();
    void wrongBlockSwitch();
    void badChecksumSwitch();
    void silentSwitch();
    void dropReadBlockSwitch();
    void nakWriteBlockSwitch();
    void noActivationSwitch();
    void otherLinesIgnored_data();
    void otherLinesIgnored();
};

void ModuleProtocolTest::codeCheck_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("4 digits") << "1234" << codeCheckLine("1234") << QByteArray("PWDOK");
    QTest::newRow("4 digits, other code") << "1234" << codeCheckLine("4321") << QByteArray("PWDERR");
    QTest::newRow("prefix of the code") << "1234" << codeCheckLine("123") << QByteArray("PWDERR");
    QTest::newRow("code and one digit more") << "1234" << codeCheckLine("12345") << QByteArray("PWDERR");
    QTest::newRow("empty against 4 digits") << "1234" << codeCheckLine("") << QByteArray("PWDERR");
    QTest::newRow("6 digits") << "987650" << codeCheckLine("987650") << QByteArray("PWDOK");
    QTest::newRow("6 digits, last differs") << "987650" << codeCheckLine("987651") << QByteArray("PWDERR");
    QTest::newRow("zeros are digits") << "0000" << codeCheckLine("0000") << QByteArray("PWDOK");
    QTest::newRow("zeros are not an empty code") << "0000" << codeCheckLine("") << QByteArray("PWDERR");
    QTest::newRow("empty against empty") << "" << codeCheckLine("") << QByteArray("PWDOK");
    QTest::newRow("lower-case hex") << "1234" << QByteArray("RPWDedcb00") << QByteArray("PWDERR");
}

void ModuleProtocolTest::codeCheck()
{
    QFETCH(QString, stored);
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, reply);

    params::ParameterImage mem = demoParameterMemory();
    storeInstallerCode(mem, stored);
    ModuleProtocol module(mem);
    QCOMPARE(module.handleLine(line), Replies{reply});
    QCOMPARE(module.loggedIn(), reply == "PWDOK");
}

void ModuleProtocolTest::refusedCodeLogsOut()
{
    ModuleProtocol module(patternMemory());
    logIn(module);
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("9999"))), Replies{"PWDERR"});
    QCOMPARE(module.handleLine("RDFL0000"), Replies{"PWDERR"});
}

void ModuleProtocolTest::readBlock_data()
{
    QTest::addColumn<int>("block");
    for (int block = 0; block < memory::kBlockCount; ++block)
        QTest::addRow("block %d", block) << block;
}

void ModuleProtocolTest::readBlock()
{
    QFETCH(int, block);
    const params::ParameterImage mem = patternMemory();
    ModuleProtocol module(mem);
    logIn(module);

    Frame f{};
    QCOMPARE(readFrame(module, std::uint16_t(block), f), FrameDecode::Good);
    QVERIFY(std::equal(f.begin(), f.begin() + frame::kDataSize, mem.block(block).begin()));
    QVERIFY(std::all_of(f.begin() + frame::kDataSize, f.begin() + frame::kAddressHigh,
                        [](std::uint8_t b) { return b == 0; }));
    QCOMPARE(f[frame::kAddressHigh], 0);
    QCOMPARE(f[frame::kAddressLow], block);
    // Least significant byte first, as the module sends it.
    const std::uint32_t sum = frameChecksum(f);
    QCOMPARE(f[frame::kChecksumAt], std::uint8_t(sum));
    QCOMPARE(f[frame::kChecksumAt + 3], std::uint8_t(sum >> 24));
}

void ModuleProtocolTest::versionBlock_data()
{
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expectedProgram"); // bytes 0..31, zero bytes cut
    QTest::addColumn<QByteArray>("expectedData");    // bytes 32..255, zero bytes cut

    QTest::newRow("defaults") << QByteArray() << QByteArray() << QByteArray("GSM-SENTROVA V3.05") << QByteArray("2");
    QTest::newRow("other texts") << QByteArray("V1") << QByteArray("3") << QByteArray("V1") << QByteArray("3");
    const QByteArray overlong(40, 'P');
    QTest::newRow("overlong program version") << overlong << QByteArray("2") << overlong.left(32) << QByteArray("2");
    QTest::newRow("empty data version") << QByteArray("V9") << QByteArray("") << QByteArray("V9") << QByteArray();
}

void ModuleProtocolTest::versionBlock()
{
    QFETCH(QByteArray, program);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expectedProgram);
    QFETCH(QByteArray, expectedData);

    ModuleProtocol module(patternMemory());
    if (!program.isEmpty()) {
        VersionTexts texts;
        texts.program = program;
        texts.data = data;
        module.setVersionTexts(texts);
    }
    logIn(module);
    Frame f{};
    QCOMPARE(readFrame(module, frame::kVersionAddress, f), FrameDecode::Good);
    QCOMPARE(frameAddress(f), frame::kVersionAddress);

    const auto* bytes = reinterpret_cast<const char*>(f.data());
    QCOMPARE(QByteArray(bytes, 32), expectedProgram.leftJustified(32, '\0'));
    QCOMPARE(QByteArray(bytes + 32, frame::kDataSize - 32), expectedData.leftJustified(frame::kDataSize - 32, '\0'));
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
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    const BlockBytes data = filledBlock(0x40);
    params::ParameterImage expected = original;
    std::copy(data.begin(), data.end(), expected.block(5).begin());

    QCOMPARE(writeBlock(module, writeFrameLine(data, 5)), Replies{"WROK"});
    QCOMPARE(module.memory().staged(), expected.bytes());
    QCOMPARE(module.memory().active(), original.bytes());
    // Reads come from the parameters in use.
    Frame f{};
    QCOMPARE(readFrame(module, 5, f), FrameDecode::Good);
    QVERIFY(std::equal(f.begin(), f.begin() + frame::kDataSize, original.block(5).begin()));

    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.memory().active(), expected.bytes());
    QCOMPARE(readFrame(module, 5, f), FrameDecode::Good);
    QVERIFY(std::equal(f.begin(), f.begin() + frame::kDataSize, data.begin()));
}

void ModuleProtocolTest::badWriteFrame_data()
{
    QTest::addColumn<QByteArray>("line");
    const QByteArray good = writeFrameLine(filledBlock(7), 2);

    Frame lsbFirst = BuildWriteFrame(filledBlock(7), 2);
    storeChecksumLsbFirst(lsbFirst);
    QTest::newRow("checksum least significant byte first") << frameToHex(lsbFirst);
    QByteArray changedData = good;
    changedData[10] = changedData[10] == '0' ? '1' : '0';
    QTest::newRow("data changed after the sum") << changedData;
    QTest::newRow("one byte short") << good.left(frame::kHexDigits - 2);
    QTest::newRow("one byte more") << good + "00";
    QTest::newRow("odd length") << good.left(frame::kHexDigits - 1);
    QTest::newRow("lower-case hex") << good.toLower();
    QByteArray notHex = good;
    notHex[100] = 'G';
    QTest::newRow("not a hex digit") << notHex;
    QTest::newRow("empty frame line") << QByteArray();
}

void ModuleProtocolTest::badWriteFrame()
{
    QFETCH(QByteArray, line);
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    QCOMPARE(writeBlock(module, line), Replies{"WRFLERR"});
    QCOMPARE(module.memory().staged(), original.bytes());
}

void ModuleProtocolTest::writeOutsideParameters()
{
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    for (const std::uint16_t address : {std::uint16_t(8), std::uint16_t(0x0100), std::uint16_t(0xF000)})
        QCOMPARE(writeBlock(module, writeFrameLine(filledBlock(1), address)), Replies{"WROK"});
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.memory().active(), original.bytes());
}

void ModuleProtocolTest::writeAndActivateNeedLogin()
{
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    QCOMPARE(module.handleLine("WRFL"), Replies{});
    QCOMPARE(module.handleLine(writeFrameLine(filledBlock(9), 0)), Replies{"PWDERR"});
    QCOMPARE(module.handleLine("WRACT"), Replies{"PWDERR"});
    QCOMPARE(module.memory().staged(), original.bytes());
    QCOMPARE(module.memory().active(), original.bytes());
}

void ModuleProtocolTest::activatedCodeTakesEffect()
{
    ModuleProtocol module(patternMemory());
    logIn(module);
    params::ParameterImage changed = module.memory().activeImage();
    storeInstallerCode(changed, QStringLiteral("987654"));
    BlockBytes block0{};
    std::copy_n(changed.block(0).begin(), frame::kDataSize, block0.begin());

    QCOMPARE(writeBlock(module, writeFrameLine(block0, 0)), Replies{"WROK"});
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("987654"))), Replies{"PWDERR"});
    logIn(module);
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("1234"))), Replies{"PWDERR"});
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("987654"))), Replies{"PWDOK"});
}

void ModuleProtocolTest::refuseCodeSwitch()
{
    ModuleProtocol module(patternMemory());
    module.faults().refuseCode = true;
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("1234"))), Replies{"PWDERR"});
    QVERIFY(!module.loggedIn());
    module.faults().refuseCode = false;
    logIn(module);
}

void ModuleProtocolTest::wrongBlockSwitch_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("sentAddress");
    QTest::newRow("block 0") << 0 << 1;
    QTest::newRow("block 7") << 7 << 8;
    QTest::newRow("version block") << 0xFFFF << 0xFF00;
}

void ModuleProtocolTest::wrongBlockSwitch()
{
    QFETCH(int, address);
    QFETCH(int, sentAddress);
    ModuleProtocol module(patternMemory());
    logIn(module);
    module.faults().wrongBlock = true;
    Frame f{};
    QCOMPARE(readFrame(module, std::uint16_t(address), f), FrameDecode::Good);
    QCOMPARE(int(frameAddress(f)), sentAddress);
}

void ModuleProtocolTest::badChecksumSwitch()
{
    const params::ParameterImage mem = patternMemory();
    ModuleProtocol module(mem);
    logIn(module);
    module.faults().badChecksum = true;
    Frame f{};
    QCOMPARE(readFrame(module, 2, f), FrameDecode::Bad);
    // Only the checksum is spoilt.
    QVERIFY(std::equal(f.begin(), f.begin() + frame::kDataSize, mem.block(2).begin()));
    QCOMPARE(frameAddress(f), 2);
}

void ModuleProtocolTest::silentSwitch()
{
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    module.faults().silent = true;
    QCOMPARE(module.handleLine(codeCheckLine(QStringLiteral("1234"))), Replies{});
    QVERIFY(!module.loggedIn());
    QCOMPARE(module.handleLine("RDFLFFFF"), Replies{});
    QCOMPARE(module.handleLine("WRACT"), Replies{});
    module.faults().silent = false;
    logIn(module);
    module.faults().silent = true;
    QCOMPARE(writeBlock(module, writeFrameLine(filledBlock(3), 1)), Replies{});
    QCOMPARE(module.handleLine("WRACT"), Replies{});
    QCOMPARE(module.memory().active(), original.bytes());
}

void ModuleProtocolTest::dropReadBlockSwitch()
{
    ModuleProtocol module(patternMemory());
    logIn(module);
    module.faults().dropReadBlock = 3;
    QCOMPARE(module.handleLine("RDFL0003"), Replies{});
    Frame f{};
    for (const std::uint16_t other : {std::uint16_t(2), std::uint16_t(4), frame::kVersionAddress})
        QCOMPARE(readFrame(module, other, f), FrameDecode::Good);
}

void ModuleProtocolTest::nakWriteBlockSwitch()
{
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    module.faults().nakWriteBlock = 5;
    QCOMPARE(writeBlock(module, writeFrameLine(filledBlock(1), 5)), Replies{});
    QCOMPARE(module.memory().staged(), original.bytes());
    // The next line is a command again, not a frame.
    QCOMPARE(writeBlock(module, writeFrameLine(filledBlock(1), 4)), Replies{"WROK"});
    QCOMPARE(module.memory().staged()[4 * frame::kDataSize], filledBlock(1)[0]);
}

void ModuleProtocolTest::noActivationSwitch()
{
    const params::ParameterImage original = patternMemory();
    ModuleProtocol module(original);
    logIn(module);
    module.faults().noActivation = true;
    QCOMPARE(writeBlock(module, writeFrameLine(filledBlock(2), 0)), Replies{"WROK"});
    QCOMPARE(module.handleLine("WRACT"), Replies{});
    QCOMPARE(module.memory().active(), original.bytes());
    module.faults().noActivation = false;
    QCOMPARE(module.handleLine("WRACT"), Replies{"CRCOK"});
    QCOMPARE(module.memory().active(), module.memory().staged());
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
