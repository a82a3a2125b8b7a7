#include "monitor/EventCatalogue.h"
#include "monitor/EventRow.h"

#include "MonitorTestLines.h"

#include <QTest>

using namespace monitor;

namespace {
EventRecord record(std::initializer_list<int> bytes)
{
    return EventRecord::at(testlines::recordBytes(bytes), 0);
}

QString joined(const std::array<QString, kReportTargetCount>& texts)
{
    QString out;
    for (const QString& t : texts)
        out += t;
    return out;
}
} // namespace

class TestEventCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void entries_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("logged");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("eventClass");
        QTest::addColumn<int>("storedLength");
        const auto padded = [](const char* name) { return QString::fromUtf8(name).leftJustified(17); };
        QTest::newRow("1") << 1 << true << padded("IN1 Riasztás") << int(EventClass::Zone) << 19;
        QTest::newRow("9") << 9 << true << padded("IN5 Riasztás") << int(EventClass::Zone) << 19;
        QTest::newRow("26 accented, full width") << 26 << true << padded("Szabotázs vissz.") << int(EventClass::Zone) << 19;
        QTest::newRow("27 leading accent") << 27 << true << padded("Élesítés Part.1") << int(EventClass::User) << 19;
        QTest::newRow("31") << 31 << true << padded("Tesztjelentés") << int(EventClass::System) << 19;
        QTest::newRow("40 no padding") << 40 << true << QStringLiteral("Zóna takar.vissza") << int(EventClass::Zone) << 19;
        QTest::newRow("44 double acute") << 44 << true << padded("Térerő alacsony") << int(EventClass::System) << 19;
        QTest::newRow("46") << 46 << true << padded("Kényszerkód") << int(EventClass::User) << 19;
        QTest::newRow("47") << 47 << true << padded("RF zaj") << int(EventClass::System) << 19;
        QTest::newRow("48 exists, not logged") << 48 << false << padded("IN1 jelez") << int(EventClass::Unused) << 19;
        QTest::newRow("57") << 57 << false << padded("IN10 jelez") << int(EventClass::Unused) << 19;
        QTest::newRow("58 one blank longer") << 58 << false << padded("IN11 jelez") << int(EventClass::Unused) << 20;
        QTest::newRow("59 one blank longer") << 59 << false << padded("IN12 jelez") << int(EventClass::Unused) << 20;
        QTest::newRow("0 empty slot") << 0 << false << QString() << int(EventClass::Unused) << 0;
        QTest::newRow("60 beyond") << 60 << false << QString() << int(EventClass::Unused) << 0;
    }

    void entries()
    {
        QFETCH(int, entry);
        QFETCH(bool, logged);
        QFETCH(QString, name);
        QFETCH(int, eventClass);
        QFETCH(int, storedLength);
        QCOMPARE(isLoggedEventCode(entry), logged);
        QCOMPARE(QStringView(monitor::eventName(entry)).toString(), name);
        QCOMPARE(int(monitor::eventClass(entry)), eventClass);
        QCOMPARE(int(catalogueEntry(entry).size()), storedLength);
    }

    void rowLabels_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("label");
        QTest::newRow("1") << 1 << QStringLiteral("01. IN1 Riasztás     ");
        QTest::newRow("9") << 9 << QStringLiteral("09. IN5 Riasztás     ");
        QTest::newRow("27") << 27 << QStringLiteral("27. Élesítés Part.1  ");
        QTest::newRow("47") << 47 << QStringLiteral("47. RF zaj           ");
        QTest::newRow("48") << 48 << QStringLiteral("48. IN1 jelez        ");
        QTest::newRow("58") << 58 << QStringLiteral("58. IN11 jelez       ");
        QTest::newRow("59") << 59 << QStringLiteral("59. IN12 jelez       ");
    }

    void rowLabels()
    {
        QFETCH(int, entry);
        QFETCH(QString, label);
        QCOMPARE(eventRowLabel(entry), label);
        QCOMPARE(eventRowLabel(entry).size(), 21);
    }

    void labelSets()
    {
        const QStringList report = eventRowLabels(kLoggedEventCount);
        const QStringList relay = eventRowLabels(kCatalogueSize);
        QCOMPARE(report.size(), 47);
        QCOMPARE(relay.size(), 59);
        QCOMPARE(report.last(), QStringLiteral("47. RF zaj           "));
        QCOMPARE(relay.mid(0, 47), report);
        QCOMPARE(relay.at(47), QStringLiteral("48. IN1 jelez        "));
    }

    void statusText_data()
    {
        QTest::addColumn<int>("targets");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("status");
        QTest::newRow("stopped, target pending") << 0x01 << 0x04 << "STOP";
        QTest::newRow("stopped, nothing pending") << 0x00 << 0x04 << "OK.";
        QTest::newRow("stopped, central pending") << 0x00 << 0x05 << "STOP";
        QTest::newRow("stop bit 1") << 0x00 << 0x02 << "OK.";
        QTest::newRow("stop bit 3, pending") << 0x40 << 0x08 << "STOP";
        QTest::newRow("stop outranks delay") << 0x10 << 0x14 << "STOP";
        QTest::newRow("stop outranks delay, done") << 0x00 << 0x12 << "OK.";
        QTest::newRow("delayed") << 0x00 << 0x10 << QStringLiteral("Késl.");
        QTest::newRow("delayed, pending") << 0xFF << 0x11 << QStringLiteral("Késl.");
        QTest::newRow("only targets pending") << 0x80 << 0x00 << QStringLiteral("Aktív");
        QTest::newRow("only central pending") << 0x00 << 0x01 << QStringLiteral("Aktív");
        QTest::newRow("nothing") << 0x00 << 0x00 << "OK.";
        QTest::newRow("top bits ignored") << 0x00 << 0xE0 << "OK.";
        QTest::newRow("top bits, pending") << 0x02 << 0xE0 << QStringLiteral("Aktív");
    }

    void statusText()
    {
        QFETCH(int, targets);
        QFETCH(int, flags);
        QFETCH(QString, status);
        QCOMPARE(eventStatusText(record({31, 0x10, 1, 0, 0, 0, targets, flags})), status);
    }

    void timeAndTargets_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("targets");
        QTest::newRow("example") << testlines::recordBytes({1, 0x3A, 15, 8, 5, 0x77, 0x01, 0x00})
                                 << "03/15 - 08:05" << "X--------";
        QTest::newRow("year end") << testlines::recordBytes({1, 0xC0, 31, 23, 59, 0, 0x80, 0x00})
                                  << "12/31 - 23:59" << "-------X-";
        QTest::newRow("central only") << testlines::recordBytes({1, 0x1F, 1, 0, 0, 0, 0x00, 0x01})
                                      << "01/01 - 00:00" << "--------X";
        QTest::newRow("mixed") << testlines::recordBytes({1, 0x90, 9, 10, 30, 0, 0xA5, 0xFF})
                               << "09/09 - 10:30" << "X-X--X-XX";
        QTest::newRow("no target") << testlines::recordBytes({1, 0x00, 0, 0, 0, 0xFF, 0x00, 0xFE})
                                   << "00/00 - 00:00" << "---------";
    }

    void timeAndTargets()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, time);
        QFETCH(QString, targets);
        const EventRecord r = EventRecord::at(bytes, 0);
        QCOMPARE(eventTimeText(r), time);
        QCOMPARE(joined(eventTargetTexts(r)), targets);
    }

    void emptySlots_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("empty");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("1") << 1 << false;
        QTest::newRow("47") << 47 << false;
        QTest::newRow("48") << 48 << true;
        QTest::newRow("255") << 255 << true;
    }

    void emptySlots()
    {
        QFETCH(int, code);
        QFETCH(bool, empty);
        const EventRow row = eventRow(record({code, 0x31, 2, 3, 4, 5, 0xFF, 0x1F}));
        QCOMPARE(row.isEmpty(), empty);
        QCOMPARE(row.targets[0].isEmpty(), empty);
        if (!empty)
            QCOMPARE(row.name, QStringView(monitor::eventName(code)).toString());
    }
};

QTEST_GUILESS_MAIN(TestEventCatalogue)
#include "tst_eventcatalogue.moc"
