// The firmware file reader and the frames built from it, against bytes worked
// out here.
#include "maint/FirmwareFile.h"
#include "maint/FirmwareFrames.h"
#include "FirmwareKeyTable.h"

#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using firmware::FirmwareFile;

namespace {

// A record line: ":", seed, two header bytes and 64 data bytes as hex.
QByteArray gsfLine(std::uint8_t seed, std::uint8_t h0, std::uint8_t h1, const QByteArray& data)
{
    const char head[] = {char(seed), char(h0), char(h1)};
    return ':' + QByteArray(head, 3).toHex().toUpper() + data.toHex().toUpper();
}

QByteArray plainData(int line)
{
    QByteArray data(64, 0);
    for (int m = 0; m < 64; ++m)
        data[m] = char(line * 16 + m);
    return data;
}

// Lines whose seed equals their number: both key streams then cancel, and
// the record carries the data as written.
QByteArray plainFile(int lines, const QByteArray& data = {})
{
    QByteArray file;
    for (int i = 0; i < lines; ++i)
        file += gsfLine(std::uint8_t(i), std::uint8_t(0xA0 + i), std::uint8_t(0x50 + i),
                        data.isEmpty() ? plainData(i) : data)
            + "\r\n";
    return file;
}

std::uint32_t sumOf(const Frame& f)
{
    std::uint32_t sum = 0;
    for (int k = 0; k < 266; ++k)
        sum += k < 256 ? std::uint32_t(f[k] ^ k) : f[k];
    return sum;
}

std::uint32_t msbWord(const Frame& f, int at, int bytes)
{
    std::uint32_t v = 0;
    for (int k = 0; k < bytes; ++k)
        v = v << 8 | f[at + k];
    return v;
}

QByteArray bytesOf(const Frame& f, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(f.data()) + from, count);
}

} // namespace

class TestFirmwareFile : public QObject
{
    Q_OBJECT
private slots:
    void digitPairs_data()
    {
        QTest::addColumn<QByteArray>("pair");
        QTest::addColumn<int>("value");
        QTest::newRow("hex") << QByteArray("A5") << 0xA5;
        QTest::newRow(": and ;") << QByteArray(":;") << 0xAB;
        QTest::newRow("< and =") << QByteArray("<=") << 0xCD;
        QTest::newRow("> and ?") << QByteArray(">?") << 0xEF;
        QTest::newRow("lower case is 0") << QByteArray("af") << 0x00;
        QTest::newRow("G and @ are 0") << QByteArray("G@") << 0x00;
        QTest::newRow("low blank is -16") << QByteArray("5 ") << 0x40;
        QTest::newRow("high blank wraps") << QByteArray(" 5") << 0x05;
    }

    void digitPairs()
    {
        QFETCH(QByteArray, pair);
        QFETCH(int, value);
        // The pair in the seed, a header byte and the last data byte.
        QByteArray line = ':' + pair + pair + "00" + QByteArray(126, '0') + pair;
        const FirmwareFile file = firmware::readFirmware(line);
        QVERIFY(file.good());
        QCOMPARE(file.lines.at(0).seed, value);
        QCOMPARE(file.lines.at(0).header0, value);
        QCOMPARE(file.lines.at(0).data[63], value);
    }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("refusedLine"); // 0: accepted
        const QByteArray rec = gsfLine(1, 2, 3, plainData(0));
        QTest::newRow("CR LF") << rec + "\r\n" + rec + "\r\n" + rec + "\r\n" << 3 << 0;
        QTest::newRow("CR only") << rec + "\r" + rec + "\r" << 2 << 0;
        QTest::newRow("last line without CR") << rec + "\r\n" + rec << 2 << 0;
        QTest::newRow("26 ends the file") << rec + "\r\n" + rec + "\x1a" + "garbage\r\n" << 2 << 0;
        QTest::newRow("characters after 135 unused") << rec + "0123456789\r\n" << 1 << 0;
        QTest::newRow("LF alone is no line end") << rec + "\n" + rec + "\r\n" << 1 << 0;
        QTest::newRow("empty file") << QByteArray() << 0 << 1;
        QTest::newRow("only 26") << QByteArray("\x1a") << 0 << 1;
        QTest::newRow("134 characters") << rec + "\r\n" + rec.left(134) + "\r\n" << 0 << 2;
        QTest::newRow("empty line before a record") << rec + "\r\n\r\n" + rec + "\r\n" << 0 << 2;
        QTest::newRow("empty first line") << "\r\n" + rec + "\r\n" << 0 << 1;
        QTest::newRow("two empty lines, then a short line") << rec + "\r\n\r\n\r\nshort\r\n" << 0 << 2;
        QTest::newRow("empty lines at the end") << rec + "\r\n" + rec + "\r\n\r\n\r\n" << 2 << 0;
        QTest::newRow("blanks and a lone LF at the end") << rec + "\r\n  \r\n\t\r\n\n" << 1 << 0;
        QTest::newRow("only empty lines") << QByteArray("\r\n\r\n") << 0 << 1;
        QTest::newRow("lines after 2048 unread") << plainFile(2048) + "short\r\n" << 2048 << 0;
    }

    void lines()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, lineCount);
        QFETCH(int, refusedLine);
        const FirmwareFile file = firmware::readFirmware(contents);
        QCOMPARE(file.status, refusedLine ? FirmwareFile::Status::ShortLine : FirmwareFile::Status::Good);
        QCOMPARE(file.lineNumber, refusedLine);
        QCOMPARE(int(file.lines.size()), lineCount);
    }

    void fileThatCannotBeOpened()
    {
        QTemporaryDir dir;
        const FirmwareFile file = firmware::readFirmwareFile(dir.filePath(QStringLiteral("missing.GSF")));
        QCOMPARE(file.status, FirmwareFile::Status::Unreadable);
        QVERIFY(!file.error.isEmpty());
    }

    void allPaddingFrameChecksum()
    {
        // Four lines of all-0xFF records: frame 0 is 0xFF in bytes 0-263.
        QByteArray contents;
        for (int i = 0; i < 4; ++i)
            contents += gsfLine(std::uint8_t(i), 0xFF, 0xFF, QByteArray(64, char(0xFF))) + "\r\n";
        const FirmwareFile file = firmware::readFirmware(contents);
        QVERIFY(file.good());
        const firmware::FirmwareImage image = firmware::BuildFirmwareFrames(file.lines);
        QCOMPARE(image.frameCount(), 1);
        const Frame& f = image.frames[0];
        QCOMPARE(bytesOf(f, 0, 264), QByteArray(264, char(0xFF)));
        QCOMPARE(bytesOf(f, 264, 6), QByteArray::fromHex("0021" "00008799"));
        QCOMPARE(bytesOf(image.control, 0, 2), QByteArray::fromHex("8799"));
    }

    void fiveLinesMakeTwoFrames()
    {
        const FirmwareFile file = firmware::readFirmware(plainFile(5));
        const firmware::FirmwareImage image = firmware::BuildFirmwareFrames(file.lines);
        QCOMPARE(image.frameCount(), 2);
        const Frame& f0 = image.frames[0];
        const Frame& f1 = image.frames[1];
        for (int slot = 0; slot < 4; ++slot)
            QCOMPARE(bytesOf(f0, 66 * slot, 66),
                     QByteArray::fromHex(QByteArray::number(0xA050 + 0x101 * slot, 16)) + plainData(slot));
        QCOMPARE(bytesOf(f1, 0, 66), QByteArray::fromHex("A454") + plainData(4));
        QCOMPARE(bytesOf(f1, 66, 198), QByteArray(198, char(0xFF)));
        QCOMPARE(bytesOf(f0, 264, 2), QByteArray::fromHex("0021"));
        QCOMPARE(bytesOf(f1, 264, 2), QByteArray::fromHex("0022"));
        QCOMPARE(msbWord(f0, 266, 4), sumOf(f0));
        QCOMPARE(msbWord(f1, 266, 4), sumOf(f1));

        const Frame& c = image.control;
        QCOMPARE(msbWord(c, 0, 2), (sumOf(f0) + sumOf(f1)) % 65536);
        QCOMPARE(bytesOf(c, 2, 254), QByteArray(254, 0));
        QCOMPARE(bytesOf(c, 256, 10), QByteArray::fromHex("0002") + "FIRMW." + QByteArray::fromHex("0221"));
        QCOMPARE(msbWord(c, 266, 4), sumOf(c));
    }

    void keyStreams_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("seed");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("fileKey");
        QTest::addColumn<int>("transferKey");
        QTest::newRow("line 0 seed 10, byte 0") << 0 << 0x10 << 0 << 4 << 3;
        QTest::newRow("line 0 seed 10, byte 1") << 0 << 0x10 << 1 << 1 << 7;
        QTest::newRow("line 0 seed 10, byte 2") << 0 << 0x10 << 2 << 7 << 4;
        QTest::newRow("line 17 seed 00, byte 0") << 17 << 0x00 << 0 << 3 << 5;
        QTest::newRow("line 17 seed 00, byte 63") << 17 << 0x00 << 63 << 0 << 1;
        QTest::newRow("line 300 seed A7, byte 0") << 300 << 0xA7 << 0 << 4 << 1;
        QTest::newRow("line 300 seed A7, byte 2") << 300 << 0xA7 << 2 << 1 << 6;
        QTest::newRow("line 300 seed A7, byte 63") << 300 << 0xA7 << 63 << 7 << 4;
    }

    void keyStreams()
    {
        QFETCH(int, line);
        QFETCH(int, seed);
        QFETCH(int, byte);
        QFETCH(int, fileKey);
        QFETCH(int, transferKey);
        QByteArray contents;
        for (int i = 0; i <= line; ++i)
            contents += gsfLine(i == line ? std::uint8_t(seed) : 0, 0, 0, QByteArray(64, 0)) + "\r\n";
        const firmware::FirmwareImage image =
            firmware::BuildFirmwareFrames(firmware::readFirmware(contents).lines);
        QCOMPARE(image.frameCount(), line / 4 + 1);
        const Frame& f = image.frames[std::size_t(line / 4)];
        const auto& key = firmware::kKeyTable;
        QCOMPARE(f[66 * (line % 4) + 2 + byte], std::uint8_t(key[fileKey] ^ key[transferKey]));
    }

    void moreThan2048Lines()
    {
        const firmware::FirmwareImage image =
            firmware::BuildFirmwareFrames(firmware::readFirmware(plainFile(2050, QByteArray(64, 0))).lines);
        QCOMPARE(image.frameCount(), 512);
        QCOMPARE(bytesOf(image.frames[511], 264, 2), QByteArray::fromHex("0220"));
        QCOMPARE(bytesOf(image.control, 256, 2), QByteArray::fromHex("0200"));
        QCOMPARE(bytesOf(image.control, 264, 2), QByteArray::fromHex("0221"));
        // The last group: frames 508 to 511.
        std::uint32_t group = 0;
        for (int f = 508; f < 512; ++f)
            group += sumOf(image.frames[f]);
        QCOMPARE(msbWord(image.control, 254, 2), group % 65536);
    }
};

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_maint_firmwarefile.moc"
