#include "DemoMemory.h"

#include <QTest>

// The demo memory as the program will read it: names in windows-1250 padded
// with blanks, codes as nibbles 15 - digit, rights words high byte first,
// the zone settings in the order of the zone record.
class DemoMemoryTest : public QObject
{
    Q_OBJECT
private slots:
    void records_data();
    void records();
};

void DemoMemoryTest::records_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");

    // User 1: "Kovács Pál", code 4321, every right.
    QTest::newRow("user 1") << 0 << QByteArray("Kov\xE1" "cs P\xE1l" "\xBC\xDE\x00\xFF\xFF", 15);
    // User 2: "Szabó Éva", code 5678, rights 1 to 14 (word 3FFF).
    QTest::newRow("user 2") << 15 << QByteArray("Szab\xF3 \xC9va " "\xA9\x87\x00\x3F\xFF", 15);
    // User 4: "Nagy Ödön", six digits 139742, rights word FF5F.
    QTest::newRow("user 4") << 45 << QByteArray("Nagy \xD6" "d\xF6n " "\xEC\x68\xBD\xFF\x5F", 15);
    // User 9: "Vendég" without a code or rights.
    QTest::newRow("user 9") << 120 << QByteArray("Vend\xE9g    " "\x00\x00\x00\x00\x00", 15);
    QTest::newRow("user 12, unused") << 165 << QByteArray("          " "\x00\x00\x00\x00\x00", 15);
    QTest::newRow("installer code 1234") << 180 << QByteArray("\xED\xCB\x00", 3);
    // Zone 1 "Bejárat": open-active, both partitions, 0.5 s, entry 30 s,
    // exit 45 s, starting zone at night.
    QTest::newRow("zone 1") << 183 << QByteArray("Bej\xE1rat   " "\x01\x00\x05\x1E\x2D\x00\x00\x00\x00\x03", 20);
    // Zone 2 "Előszoba": DEOL, exit 45 s, follower, armed follower at night.
    QTest::newRow("zone 2") << 203 << QByteArray("El\xF5szoba  " "\x02\x00\x03\x00\x2D\x00\x00\x01\x00\x01", 20);
    // Zone 7 "Pince": short-active, partition 2, 1 s, smart 5 min, cover 24 h.
    QTest::newRow("zone 7") << 303 << QByteArray("Pince     " "\x00\x02\x0A\x00\x00\x00\x05\x00\x18\x00", 20);
    // Zone 8 "Ablak É": a radio detector in partition 1.
    QTest::newRow("zone 8") << 323 << QByteArray("Ablak \xC9   " "\x03\x01\x02\x00\x00\x00\x00\x00\x00\x00", 20);
    // Zone 12 "Pánikgomb": 24-hour, silent.
    QTest::newRow("zone 12") << 403 << QByteArray("P\xE1nikgomb " "\x00\x03\x01\x00\x00\x01\x00\x00\x00\x00", 20);
    QTest::newRow("after zone 12") << 423 << QByteArray(8, '\0');
}

void DemoMemoryTest::records()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const ParameterMemory mem = demoParameterMemory();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(mem.data()) + offset, bytes.size()), bytes);
}

QTEST_GUILESS_MAIN(DemoMemoryTest)
#include "tst_demomemory.moc"
