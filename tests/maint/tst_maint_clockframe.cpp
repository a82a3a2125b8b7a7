// The clock block: the frame that sets the clock and the text of one read.
#include "maint/ClockFrame.h"

#include <QTest>

namespace {

QByteArray bytesOf(const Frame& f, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(f.data()) + from, count);
}

Frame clockBlock(const QByteArray& firstBytes)
{
    Frame f{};
    std::copy(firstBytes.begin(), firstBytes.end(), f.begin());
    return f;
}

} // namespace

class TestClockFrame : public QObject
{
    Q_OBJECT
private slots:
    void setFrame_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QByteArray>("clockBytes");
        QTest::addColumn<QByteArray>("tail"); // bytes 264-269: address and checksum
        QTest::newRow("2 January 2031 00:05:59")
            << QDateTime(QDate(2031, 1, 2), QTime(0, 5, 59)) << QByteArray::fromHex("1F01020005")
            << QByteArray::fromHex("FFFE" "00008196");
        QTest::newRow("31 December 1999 23:59")
            << QDateTime(QDate(1999, 12, 31), QTime(23, 59)) << QByteArray::fromHex("630C1F173B")
            << QByteArray::fromHex("FFFE" "00008253");
    }

    void setFrame()
    {
        QFETCH(QDateTime, time);
        QFETCH(QByteArray, clockBytes);
        QFETCH(QByteArray, tail);
        const Frame f = maint::BuildClockFrame(time);
        QCOMPARE(bytesOf(f, 0, 5), clockBytes);
        QCOMPARE(bytesOf(f, 5, 259), QByteArray(259, 0));
        QCOMPARE(bytesOf(f, 264, 6), tail);
    }

    void readText_data()
    {
        QTest::addColumn<QByteArray>("clockBytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("one digit each") << QByteArray::fromHex("1803050709")
                                        << QStringLiteral("A modul órája: 24/03/05 - 07:09");
        QTest::newRow("two digits each") << QByteArray::fromHex("630C1F173B")
                                         << QStringLiteral("A modul órája: 99/12/31 - 23:59");
        QTest::newRow("out of range shown as is") << QByteArray::fromHex("00FF000000")
                                                  << QStringLiteral("A modul órája: 00/255/00 - 00:00");
    }

    void readText()
    {
        QFETCH(QByteArray, clockBytes);
        QFETCH(QString, text);
        QCOMPARE(maint::clockText(clockBlock(clockBytes)), text);
    }
};

QTEST_GUILESS_MAIN(TestClockFrame)
#include "tst_maint_clockframe.moc"
