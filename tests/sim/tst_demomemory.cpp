#include "DemoMemory.h"

#include <QTest>

// The demo memory as the program will read it: names and SMS texts in
// windows-1250 padded with blanks, codes as nibbles 15 - digit, words high
// byte first, telephone numbers as ASCII digits followed by zero bytes.
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
    // Event 1, IN1 alarm: Contact-ID 1 3 0, routes T1, S1 and the centre,
    // voice message 1.
    QTest::newRow("event 1") << 423 << QByteArray("\x01\x03\x00" "\x01\x11" "Riaszt\xE1s: $         " "\x01", 26);
    // Event 21, IN11 alarm (the smoke detector): fire 1 1 0, T2 too, voice 4.
    QTest::newRow("event 21") << 943 << QByteArray("\x01\x01\x00" "\x01\x13" "T\xFBzjelz\xE9s: $        " "\x04", 26);
    // Event 27, arming partition 1: 4 0 1 by user, S2 and the centre.
    QTest::newRow("event 27") << 1099 << QByteArray("\x04\x00\x01" "\x01\x20" "\xC9les\xEDtve P1: $      " "\x00", 26);
    // Event 47, radio jamming: 3 4 4, S1 and the centre.
    QTest::newRow("event 47") << 1619
                              << QByteArray("\x03\x04\x04" "\x01\x10" "R\xE1" "di\xF3s zavar\xE1s      " "\x00", 26);
    QTest::newRow("unused 48th record") << 1645 << QByteArray(26, '\0');
    QTest::newRow("telephone numbers 1, 2")
        << 1671 << QByteArray("36301234567\0\0\0\0\0" "36209876543\0\0\0\0\0", 32);
    QTest::newRow("centre number 1") << 1735 << QByteArray("3614567890\0\0\0\0\0\0", 16);
    // Acknowledgements 2 1 0 0, account 1A2F, arming mode 0, OUT 1 at 12 V
    // for 3 minutes, OUT 2 at 0 V after 30 s for 5 minutes.
    QTest::newRow("acknowledgements to sirens")
        << 1783 << QByteArray::fromHex("02010000 010A020F 00 000003 011E05");
    QTest::newRow("relay 1 on row 0, 5 s") << 1798 << QByteArray::fromHex("0100000000000000 0000000000000000 00 05");
    // On at the alarms of IN1..IN12 (rows 1, 3, .. 23), off at disarming
    // (rows 29, 30), for 180 s.
    QTest::newRow("relay 2") << 1816
                             << QByteArray::fromHex("AAAAAA0000000000 0000006000000000 00 B4");
    // Alarm 10 min, test report 06:30 every 7 days, nothing bypassed, at most
    // 3 alarms a zone, no auto-arming, night walk 5 min.
    QTest::newRow("times") << 1852 << QByteArray::fromHex("0A 06 1E 07 000000000000000000000000 03 00 05");
    // User 1: A arms both, B disarms, C relay 1, D nothing; user 2: A arms
    // P1, B disarms, C night arming; nobody else has a function.
    QTest::newRow("remote buttons") << 1871 << QByteArray::fromHex("1560 2540") + QByteArray(20, '\0');
    QTest::newRow("after the settings") << 1895 << QByteArray(153, '\0');
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
