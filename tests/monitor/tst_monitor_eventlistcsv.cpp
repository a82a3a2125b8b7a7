// The short event list's CSV export.
#include "monitor/EventListCsv.h"

#include "MonitorTestLines.h"

#include <QTest>

using namespace monitor;
using testlines::recordBytes;

namespace {

// Splits RFC 4180 text back into records and fields, so that the tests can
// check what a reader gets.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            fields << std::exchange(field, QString());
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            fields << std::exchange(field, QString());
            records << std::exchange(fields, QStringList());
            ++i;
        } else {
            field += c;
        }
    }
    return records;
}

std::array<EventListRow, kEventGridRows> sampleRows()
{
    QByteArray memory(kEventMemorySize, '\0');
    // Rows 1 and 3 hold events; record 4, shown in row 2, is an empty slot.
    memory.replace(5 * 8, 8, recordBytes({27, 0x33, 15, 8, 5, 0, 0x01, 0}));  // user 3 arms, T1 pending
    memory.replace(3 * 8, 8, recordBytes({1, 0x30, 1, 0, 0, 0, 0x02, 0x04})); // keypad zone, stopped
    memory[kNewestIndexAt] = 5;
    QByteArray blocks(kNameBlocksSize, '\0');
    blocks.replace(kUserNameFirst + 2 * kUserNameStride, 10, QByteArray("Kis, \"Pal\""));
    return eventListRows(memory, namesFromBlocks(blocks));
}

} // namespace

class TestEventListCsv : public QObject
{
    Q_OBJECT
private slots:
    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Aktív" << "Aktív";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("inner blanks") << "03/15 - 08:05" << "03/15 - 08:05";
        QTest::newRow("comma") << "a,b" << "\"a,b\"";
        QTest::newRow("quote doubled") << "a\"b" << "\"a\"\"b\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
        QTest::newRow("leading blank trimmed") << " Bejárat" << "Bejárat";
        QTest::newRow("trailing padding trimmed") << "Programozták     " << "Programozták";
        QTest::newRow("inner blanks kept, outer trimmed") << "4.  Hálószoba " << "4.  Hálószoba";
        QTest::newRow("trimmed, then quoted") << "  a,b  " << "\"a,b\"";
        QTest::newRow("only blanks") << "   " << "";
    }

    void field()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(csvField(text), field);
    }

    // A header and one record per row that holds an event; the empty slot's
    // row is left out and the others keep their row numbers.
    void onlyRowsWithEvents()
    {
        const QByteArray csv = eventListCsv(sampleRows());
        QVERIFY(csv.startsWith(QStringLiteral("Sorszám,Időpont,Esemény,Zóna / Felhasználó,T1,T2,T3,T4,S1,S2,S3,S4,"
                                              "Közp,Státusz\r\n")
                                   .toUtf8()));
        QVERIFY(csv.endsWith("\r\n"));
        // No bare line feeds anywhere.
        QCOMPARE(csv.count("\r\n"), 3);
        QCOMPARE(csv.count('\n'), 3);
        const auto records = readCsv(QString::fromUtf8(csv));
        QCOMPARE(records.size(), 3);
        QCOMPARE(records[1].first(), QStringLiteral("1"));
        QCOMPARE(records[2].first(), QStringLiteral("3"));
    }

    void recordsReadBack_data()
    {
        QTest::addColumn<int>("record"); // 1 = the first after the header
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("user event, stored name with its comma and quotes")
            << 1
            << QStringList{"1", "03/15 - 08:05", "Élesítés Part.1", "3.  Kis, \"Pal\"", "X", "-", "-", "-", "-",
                           "-", "-", "-", "-", "Aktív"};
        QTest::newRow("keypad zone, stopped")
            << 2
            << QStringList{"3", "03/01 - 00:00", "IN1 Riasztás", "0. LCD-Kezelő", "-", "X", "-", "-", "-", "-",
                           "-", "-", "-", "STOP"};
    }

    void recordsReadBack()
    {
        QFETCH(int, record);
        QFETCH(QStringList, fields);
        const auto records = readCsv(QString::fromUtf8(eventListCsv(sampleRows())));
        QCOMPARE(records[record], fields);
    }
};

QTEST_MAIN(TestEventListCsv)
#include "tst_monitor_eventlistcsv.moc"
