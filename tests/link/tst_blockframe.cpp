#include "link/BlockFrame.h"

#include <QTest>

namespace {

// A reply line for `f` with the checksum bytes as they stand in it.
QByteArray replyLine(const Frame& f)
{
    return QByteArray("RDFL") + frameToHex(f);
}

Frame zeroFrameWithChecksumBytes(std::uint8_t b266, std::uint8_t b267, std::uint8_t b268, std::uint8_t b269)
{
    Frame f{};
    f[266] = b266;
    f[267] = b267;
    f[268] = b268;
    f[269] = b269;
    return f;
}

} // namespace

class TestBlockFrame : public QObject
{
    Q_OBJECT
private slots:
    void checksumSumsDataXorIndexThenPlainBytes()
    {
        Frame f{};
        QCOMPARE(frameChecksum(f), 32640u); // 0 + 1 + ... + 255
        f.fill(0xFF);
        // (255 ^ i) over 256 data bytes is again 32640, plus ten plain 255s.
        QCOMPARE(frameChecksum(f), 32640u + 10u * 255u);
        f[0] = 0x01; // 0x01 ^ 0 = 1 instead of 255
        QCOMPARE(frameChecksum(f), 32640u + 10u * 255u - 254u);
        Frame g{};
        g[266] = 0x7F; // the checksum bytes are not summed
        QCOMPARE(frameChecksum(g), 32640u);
    }

    void receivedFrameCarriesChecksumLeastSignificantFirst_data()
    {
        QTest::addColumn<QByteArray>("checksumBytes");
        QTest::addColumn<bool>("good");
        QTest::newRow("lsb first") << QByteArray::fromHex("807F0000") << true;
        QTest::newRow("msb first") << QByteArray::fromHex("00007F80") << false;
        QTest::newRow("off by one") << QByteArray::fromHex("817F0000") << false;
    }

    void receivedFrameCarriesChecksumLeastSignificantFirst()
    {
        QFETCH(QByteArray, checksumBytes);
        QFETCH(bool, good);
        const Frame f = zeroFrameWithChecksumBytes(std::uint8_t(checksumBytes[0]), std::uint8_t(checksumBytes[1]),
                                                   std::uint8_t(checksumBytes[2]), std::uint8_t(checksumBytes[3]));
        Frame buffer{};
        const FrameDecode result = decodeReplyFrame(replyLine(f), buffer);
        QCOMPARE(result == FrameDecode::Good, good);
        QCOMPARE(buffer, f); // decoded whole either way
    }

    void writeFrameOfZeroBlockCarriesChecksumMostSignificantFirst()
    {
        const std::array<std::uint8_t, 256> data{};
        const Frame f = BuildWriteFrame(data, 0);
        QCOMPARE(f[264], 0);
        QCOMPARE(f[265], 0);
        QCOMPARE(f[266], 0);
        QCOMPARE(f[267], 0);
        QCOMPARE(f[268], 127);
        QCOMPARE(f[269], 128);
        for (int i = 256; i < 264; ++i)
            QCOMPARE(f[i], 0);
    }

    void writeFrameCarriesDataAndAddress()
    {
        std::array<std::uint8_t, 256> data{};
        for (int i = 0; i < 256; ++i)
            data[i] = std::uint8_t(i * 7);
        const Frame f = BuildWriteFrame(data, 0xFFFE);
        QVERIFY(std::equal(data.begin(), data.end(), f.begin()));
        QCOMPARE(f[264], 0xFF);
        QCOMPARE(f[265], 0xFE);
        QCOMPARE(frameAddress(f), std::uint16_t(0xFFFE));
        const std::uint32_t sum = frameChecksum(f);
        QCOMPARE(std::uint32_t(f[266] << 24 | f[267] << 16 | f[268] << 8 | f[269]), sum);
    }

    void wrongLengthLeavesBufferUntouched_data()
    {
        QTest::addColumn<int>("digits");
        QTest::newRow("539") << 539;
        QTest::newRow("541") << 541;
        QTest::newRow("538") << 538;
        QTest::newRow("542") << 542;
        QTest::newRow("none") << 0;
    }

    void wrongLengthLeavesBufferUntouched()
    {
        QFETCH(int, digits);
        Frame buffer;
        buffer.fill(0xAA);
        const Frame before = buffer;
        const QByteArray line = "RDFL" + QByteArray(digits, '0');
        QCOMPARE(decodeReplyFrame(line, buffer), FrameDecode::Bad);
        QCOMPARE(buffer, before);
    }

    void nonDigitStopsDecodingAfterReplacingEarlierBytes_data()
    {
        QTest::addColumn<int>("badPosition"); // index into the 540 digits
        QTest::addColumn<char>("badChar");
        QTest::addColumn<int>("bytesReplaced");
        QTest::newRow("lower case in byte 0") << 0 << 'a' << 0;
        QTest::newRow("lower case low digit of byte 5") << 11 << 'f' << 5;
        QTest::newRow("letter G in byte 100") << 200 << 'G' << 100;
        QTest::newRow("blank in last byte") << 539 << ' ' << 269;
    }

    void nonDigitStopsDecodingAfterReplacingEarlierBytes()
    {
        QFETCH(int, badPosition);
        QFETCH(char, badChar);
        QFETCH(int, bytesReplaced);
        Frame buffer;
        buffer.fill(0xAA);
        Frame incoming;
        incoming.fill(0x11);
        QByteArray line = replyLine(incoming);
        line[4 + badPosition] = badChar;
        QCOMPARE(decodeReplyFrame(line, buffer), FrameDecode::Bad);
        for (int i = 0; i < frame::kSize; ++i)
            QCOMPARE(buffer[i], i < bytesReplaced ? 0x11 : 0xAA);
    }

    // One byte of a reply damaged as a noisy line damages it (dropped,
    // doubled, or replaced by any printable character), at every place: the
    // frame is never taken as good with other bytes than were sent. The data
    // are names padded with blanks, where shifted digits cancel most easily
    // in the sum.
    void singleDamageIsNeverTakenForGood()
    {
        Frame sent{};
        const QByteArray text = "Konyha    Nappali   Bejarat   Garazs    ";
        for (int i = 0; i < frame::kDataSize; ++i)
            sent[i] = std::uint8_t(i < 200 ? text[i % text.size()] : 0);
        setFrameAddress(sent, 3);
        storeChecksumLsbFirst(sent);
        const QByteArray line = replyLine(sent);
        Frame buffer{};
        QCOMPARE(decodeReplyFrame(line, buffer), FrameDecode::Good);
        int damaged = 0;
        QByteArrayList takenForGood;
        const auto check = [&](const QByteArray& received) {
            ++damaged;
            buffer.fill(0);
            if (decodeReplyFrame(received, buffer) == FrameDecode::Good && buffer != sent)
                takenForGood << received;
        };
        for (int at = 0; at < line.size(); ++at) {
            check(QByteArray(line).remove(at, 1));
            check(QByteArray(line).insert(at, line[at]));
            for (char c = ' '; c <= '~'; ++c)
                if (c != line[at])
                    check(QByteArray(line).replace(at, 1, QByteArray(1, c)));
        }
        QCOMPARE(damaged, 544 * 96);
        QVERIFY2(takenForGood.isEmpty(), takenForGood.value(0).constData());
        // A damaged line end joins the frame with the next line: not a frame.
        QCOMPARE(decodeReplyFrame(line + 'X' + line, buffer), FrameDecode::Bad);
        QCOMPARE(decodeReplyFrame(line + 'X' + "PWDOK", buffer), FrameDecode::Bad);
    }

    void hexHelpers()
    {
        QByteArray out;
        appendHexByte(out, 10);
        appendHexByte(out, 255);
        appendHexByte(out, 0);
        QCOMPARE(out, QByteArray("0AFF00"));
        QCOMPARE(upperHexValue('F'), 15);
        QCOMPARE(upperHexValue('f'), -1);
        QCOMPARE(upperHexValue('9'), 9);
        QCOMPARE(upperHexValue(':'), -1);
    }

    void requestLines_data()
    {
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("block 0") << 0 << QByteArray("RDFL0000");
        QTest::newRow("block 7") << 7 << QByteArray("RDFL0007");
        QTest::newRow("events") << 0xF003 << QByteArray("RDFLF003");
        QTest::newRow("clock") << 0xFFFE << QByteArray("RDFLFFFE");
        QTest::newRow("version") << 0xFFFF << QByteArray("RDFLFFFF");
    }

    void requestLines()
    {
        QFETCH(int, address);
        QFETCH(QByteArray, line);
        QCOMPARE(readRequestLine(std::uint16_t(address)), line);
    }
};

QTEST_APPLESS_MAIN(TestBlockFrame)
#include "tst_blockframe.moc"
