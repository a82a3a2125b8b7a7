#include "monitor/EventList.h"

#include "MonitorTestLines.h"

#include <QTest>

using namespace monitor;
using testlines::recordBytes;

namespace {
constexpr int kZoneAlarm = 1;   // class "Z"
constexpr int kArming = 27;     // class "F"
constexpr int kTestReport = 31; // class "."

// An event memory whose record k is a test report at minute k % 60 and hour
// k / 60, so that every row tells which record it shows.
QByteArray numberedMemory(int newest)
{
    QByteArray memory(kEventMemorySize, '\0');
    for (int k = 0; k < kEventMemoryRecords; ++k)
        memory.replace(k * 8, 8, recordBytes({kTestReport, 0x10, 1, k / 60, k % 60, 0, 0, 0}));
    memory[kNewestIndexAt] = char(newest);
    return memory;
}

QString timeOfRecord(int k)
{
    return QString::asprintf("01/01 - %.2d:%.2d", k / 60, k % 60);
}

QByteArray nameBlocks(const QList<std::pair<int, QByteArray>>& fields)
{
    QByteArray blocks(kNameBlocksSize, '\0');
    for (const auto& [at, bytes] : fields)
        blocks.replace(at, bytes.size(), bytes);
    return blocks;
}
} // namespace

class TestEventList : public QObject
{
    Q_OBJECT
private slots:
    void ringOrder_data()
    {
        QTest::addColumn<int>("newest");
        QTest::addColumn<QList<int>>("firstTwo");
        QTest::addColumn<int>("last");
        QTest::newRow("0 wraps at once") << 0 << QList<int>{0, 95} << 7;
        QTest::newRow("95 no wrap") << 95 << QList<int>{95, 94} << 6;
        QTest::newRow("50") << 50 << QList<int>{50, 49} << 57;
        QTest::newRow("96 read as 95") << 96 << QList<int>{95, 94} << 6;
        QTest::newRow("255 read as 95") << 255 << QList<int>{95, 94} << 6;
    }

    void ringOrder()
    {
        QFETCH(int, newest);
        QFETCH(QList<int>, firstTwo);
        QFETCH(int, last);
        const auto rows = eventListRows(numberedMemory(newest), {});
        QCOMPARE(rows[0].record, firstTwo[0]);
        QCOMPARE(rows[1].record, firstTwo[1]);
        QCOMPARE(rows.back().record, last);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            QCOMPARE(rows[r].serial, int(r) + 1);
            QCOMPARE(rows[r].columns.time, timeOfRecord(rows[r].record));
            if (r > 0) // each row one record older, through the ring
                QCOMPARE((rows[r - 1].record - rows[r].record + kEventMemoryRecords) % kEventMemoryRecords, 1);
        }
    }

    void emptySlotEmptiesWholeRow_data()
    {
        QTest::addColumn<int>("code");
        QTest::newRow("0") << 0;
        QTest::newRow("48") << 48;
        QTest::newRow("255") << 255;
    }

    void emptySlotEmptiesWholeRow()
    {
        QFETCH(int, code);
        QByteArray memory = numberedMemory(10);
        memory.replace(9 * 8, 8, recordBytes({code, 0x11, 2, 3, 4, 5, 0xFF, 0x1F}));
        const auto rows = eventListRows(memory, {});
        QCOMPARE(rows[1].record, 9);
        QVERIFY(rows[1].columns.isEmpty());
        QCOMPARE(rows[1].serial, 2);
        QCOMPARE(rows[0].columns.name, QStringLiteral("Tesztjelentés    "));
    }

    void who_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("who");
        QTest::newRow("Z keypad") << kZoneAlarm << 0 << QStringLiteral("0. LCD-Kezelő");
        QTest::newRow("Z 1 named") << kZoneAlarm << 1 << QStringLiteral("1.  Bejárat");
        QTest::newRow("Z 12 named") << kZoneAlarm << 12 << QStringLiteral("12.  Garázs");
        QTest::newRow("Z 5 unnamed") << kZoneAlarm << 5 << QStringLiteral("5.  ");
        QTest::newRow("Z 13") << kZoneAlarm << 13 << QStringLiteral("13. ");
        QTest::newRow("Z 15") << kZoneAlarm << 15 << QStringLiteral("15. ");
        QTest::newRow("F 0") << kArming << 0 << QStringLiteral("0. ");
        QTest::newRow("F 3 named") << kArming << 3 << QStringLiteral("3.  Anna");
        QTest::newRow("F 12 named") << kArming << 12 << QStringLiteral("12.  Zoli");
        QTest::newRow("F 13 installer") << kArming << 13 << QStringLiteral("13. Telepítő");
        QTest::newRow("F 14 automatic") << kArming << 14 << QStringLiteral("14. Automat.");
        QTest::newRow("F 15") << kArming << 15 << QStringLiteral("15. ");
        QTest::newRow("system") << kTestReport << 3 << QString();
    }

    void who()
    {
        QFETCH(int, code);
        QFETCH(int, number);
        QFETCH(QString, who);
        const StoredNames names = namesFromBlocks(nameBlocks({{2 * 15, "Anna"},
                                                              {11 * 15, "Zoli"},
                                                              {183, "Bej\xE1rat"},
                                                              {183 + 11 * 20, "Gar\xE1zs"}}));
        QByteArray memory(kEventMemorySize, '\0');
        memory.replace(0, 8, recordBytes({code, 0x60 | number, 6, 7, 8, 0, 0, 0}));
        QCOMPARE(eventListRows(memory, names)[0].columns.who, who);
    }

    void names_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("blank");
        QTest::newRow("all zero") << QByteArray(10, '\0') << QStringLiteral(" ") << true;
        QTest::newRow("blanks") << QByteArray(10, ' ') << QString(11, u' ') << true;
        QTest::newRow("zeros inside skipped") << QByteArray("Ab\0\0cd\0\0\0e", 10) << QStringLiteral(" Abcde") << false;
        QTest::newRow("full width") << QByteArray("0123456789") << QStringLiteral(" 0123456789") << false;
        QTest::newRow("windows-1250") << QByteArray("\xD6r \xFAt") << QStringLiteral(" Ör út") << false;
    }

    void names()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, name);
        QFETCH(bool, blank);
        // The same field as user 7 and zone 4; the bytes after a user's ten
        // belong to its code and must stay out of the name.
        QByteArray user = field.leftJustified(kNameFieldLength, '\0');
        user.append("\x12\x34\x56\x78\x9A");
        const StoredNames names = namesFromBlocks(nameBlocks({{6 * 15, user}, {183 + 3 * 20, field}}));
        QCOMPARE(names.users[6], name);
        QCOMPARE(names.zones[3], name);
        QCOMPARE(IsBlankName(names.zones[3]), blank);
        QCOMPARE(names.users[5], QStringLiteral(" "));
        QCOMPARE(names.zones[4], QStringLiteral(" "));
    }

    void blankNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("blank");
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("one blank") << QStringLiteral(" ") << true;
        QTest::newRow("blanks") << QStringLiteral("    ") << true;
        QTest::newRow("named") << QStringLiteral(" Konyha") << false;
        QTest::newRow("tab") << QStringLiteral("\t") << false;
    }

    void blankNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, blank);
        QCOMPARE(IsBlankName(name), blank);
    }
};

QTEST_GUILESS_MAIN(TestEventList)
#include "tst_eventlist.moc"
