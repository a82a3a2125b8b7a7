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
    // The whole catalogue: name, marker and class of every entry. The stored
    // entry is the name filled with blanks to 17 characters, the marker and
    // the class letter; entries 58 and 59 carry one blank more.
    void entries_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("eventClass");
        const struct
        {
            int entry;
            const char16_t* name;
            char16_t marker;
            EventClass eventClass;
        } catalogue[] = {
            {1, u"IN1 Riasztás", u'1', EventClass::Zone},
            {2, u"IN1 Visszaállás", u' ', EventClass::Zone},
            {3, u"IN2 Riasztás", u'1', EventClass::Zone},
            {4, u"IN2 Visszaállás", u' ', EventClass::Zone},
            {5, u"IN3 Riasztás", u'1', EventClass::Zone},
            {6, u"IN3 Visszaállás", u' ', EventClass::Zone},
            {7, u"IN4 Riasztás", u'1', EventClass::Zone},
            {8, u"IN4 Visszaállás", u' ', EventClass::Zone},
            {9, u"IN5 Riasztás", u'1', EventClass::Zone},
            {10, u"IN5 Visszaállás", u' ', EventClass::Zone},
            {11, u"IN6 Riasztás", u'1', EventClass::Zone},
            {12, u"IN6 Visszaállás", u' ', EventClass::Zone},
            {13, u"IN7 Riasztás", u'1', EventClass::Zone},
            {14, u"IN7 Visszaállás", u' ', EventClass::Zone},
            {15, u"IN8 Riasztás", u'1', EventClass::Zone},
            {16, u"IN8 Visszaállás", u' ', EventClass::Zone},
            {17, u"IN9 Riasztás", u'1', EventClass::Zone},
            {18, u"IN9 Visszaállás", u' ', EventClass::Zone},
            {19, u"IN10 Riasztás", u'1', EventClass::Zone},
            {20, u"IN10 Visszaállás", u' ', EventClass::Zone},
            {21, u"IN11 Riasztás", u'1', EventClass::Zone},
            {22, u"IN11 Visszaállás", u' ', EventClass::Zone},
            {23, u"IN12 Riasztás", u'1', EventClass::Zone},
            {24, u"IN12 Visszaállás", u' ', EventClass::Zone},
            {25, u"Szabotázs", u'1', EventClass::Zone},
            {26, u"Szabotázs vissz.", u' ', EventClass::Zone},
            {27, u"Élesítés Part.1", u'1', EventClass::User},
            {28, u"Élesítés Part.2", u'1', EventClass::User},
            {29, u"Kikapcs. Part.1", u' ', EventClass::User},
            {30, u"Kikapcs. Part.2", u' ', EventClass::User},
            {31, u"Tesztjelentés", u'1', EventClass::System},
            {32, u"AC hiba", u'1', EventClass::System},
            {33, u"AC rendben", u' ', EventClass::System},
            {34, u"Akku alacsony", u'1', EventClass::System},
            {35, u"Akku rendben", u' ', EventClass::System},
            {36, u"Akku hiányz.", u'1', EventClass::System},
            {37, u"RF elem < 7V", u'1', EventClass::Zone},
            {38, u"RF elem OK.", u' ', EventClass::Zone},
            {39, u"Zóna takarás", u'1', EventClass::Zone},
            {40, u"Zóna takar.vissza", u' ', EventClass::Zone},
            {41, u"Óra elvesztés", u'1', EventClass::System},
            {42, u"Óra beállítva", u' ', EventClass::System},
            {43, u"Programozták", u'1', EventClass::User},
            {44, u"Térerő alacsony", u'1', EventClass::System},
            {45, u"Térerő rendben", u' ', EventClass::System},
            {46, u"Kényszerkód", u'1', EventClass::User},
            {47, u"RF zaj", u'1', EventClass::System},
            {48, u"IN1 jelez", u' ', EventClass::Unused},
            {49, u"IN2 jelez", u' ', EventClass::Unused},
            {50, u"IN3 jelez", u' ', EventClass::Unused},
            {51, u"IN4 jelez", u' ', EventClass::Unused},
            {52, u"IN5 jelez", u' ', EventClass::Unused},
            {53, u"IN6 jelez", u' ', EventClass::Unused},
            {54, u"IN7 jelez", u' ', EventClass::Unused},
            {55, u"IN8 jelez", u' ', EventClass::Unused},
            {56, u"IN9 jelez", u' ', EventClass::Unused},
            {57, u"IN10 jelez", u' ', EventClass::Unused},
            {58, u"IN11 jelez", u' ', EventClass::Unused},
            {59, u"IN12 jelez", u' ', EventClass::Unused},
        };
        const auto classLetter = [](EventClass c) {
            switch (c) {
            case EventClass::Zone: return u'Z';
            case EventClass::User: return u'F';
            case EventClass::System: return u'.';
            case EventClass::Unused: return u' ';
            }
            return u'?';
        };
        for (const auto& e : catalogue) {
            const QString name = QString::fromUtf16(e.name).leftJustified(17);
            const QString stored = name + QChar(e.marker) + QChar(classLetter(e.eventClass))
                + (e.entry >= 58 ? QStringLiteral(" ") : QString());
            QTest::addRow("%d", e.entry) << e.entry << name << stored << int(e.eventClass);
        }
        QTest::newRow("0 empty slot") << 0 << QString() << QString() << int(EventClass::Unused);
        QTest::newRow("60 beyond") << 60 << QString() << QString() << int(EventClass::Unused);
    }

    void entries()
    {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(int, eventClass);
        QCOMPARE(QStringView(catalogueEntry(entry)).toString(), stored);
        QCOMPARE(QStringView(monitor::eventName(entry)).toString(), name);
        QCOMPARE(int(monitor::eventClass(entry)), eventClass);
        // Codes 1 to 47 name logged events; 0 and 48 on are empty slots.
        QCOMPARE(isLoggedEventCode(entry), entry >= 1 && entry <= 47);
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
