#include "monitor/LastEvents.h"
#include "monitor/ModuleMessage.h"

#include "MonitorTestLines.h"

#include <QTest>

using namespace monitor;
using testlines::lastEventsLine;
using testlines::recordBytes;

namespace {
const QByteArray kZoneEvent = recordBytes({0x01, 0x3A, 15, 8, 5, 0, 0x21, 0x01}); // IN1 alarm, zone 10
const QByteArray kUserEvent = recordBytes({0x1B, 0x5D, 1, 20, 45, 0, 0x00, 0x10}); // arming P1 by the installer
const QByteArray kNoise = recordBytes({0x2F, 0x7F, 31, 23, 59, 0, 0x00, 0x00});    // system event, number ignored

QString targets(const EventRow& row)
{
    QString out;
    for (const QString& t : row.targets)
        out += t;
    return out;
}
} // namespace

class TestLastEvents : public QObject
{
    Q_OBJECT
private slots:
    void rows_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("targets");
        QTest::addColumn<QString>("status");
        const QByteArray full = lastEventsLine({kZoneEvent, kUserEvent, kNoise, kZoneEvent, kUserEvent, kNoise,
                                                recordBytes({}), recordBytes({0x30, 0x11, 1, 1, 1, 0, 0xFF, 0x01})});
        const QString alarm = QStringLiteral("IN1 Riasztás").leftJustified(17);
        const QString arming = QStringLiteral("Élesítés Part.1").leftJustified(17);
        const QString noise = QStringLiteral("RF zaj").leftJustified(17);
        QTest::newRow("zone event") << full << 0 << "03/15 - 08:05" << alarm << "Z=10" << "X----X--X" << QStringLiteral("Aktív");
        QTest::newRow("user event") << full << 1 << "05/01 - 20:45" << arming << "F=13" << "---------" << QStringLiteral("Késl.");
        QTest::newRow("2F system event") << full << 2 << "07/31 - 23:59" << noise << "--" << "---------" << "OK.";
        QTest::newRow("later records") << full << 4 << "05/01 - 20:45" << arming << "F=13" << "---------" << QStringLiteral("Késl.");
        QTest::newRow("00 empty") << full << 6 << "" << "" << "" << "" << "";
        QTest::newRow("30 empty") << full << 7 << "" << "" << "" << "" << "";

        QByteArray lower = lastEventsLine({kNoise});
        lower[4 + 1] = 'f';
        QTest::newRow("lower-case hex") << lower << 0 << "" << "" << "" << "" << "";
        QByteArray badDay = lastEventsLine({kNoise});
        badDay[4 + 2 * 2] = 'G';
        QTest::newRow("non-hex day") << badDay << 0 << "07/00 - 23:59" << noise << "--" << "---------" << "OK.";
        QByteArray badFlags = lastEventsLine({kZoneEvent});
        badFlags[4 + 2 * 6 + 1] = ' ';
        QTest::newRow("non-hex targets") << badFlags << 0 << "03/15 - 08:05" << alarm << "Z=10" << "--------X" << QStringLiteral("Aktív");

        const QByteArray cutAfterMinute = lastEventsLine({kZoneEvent}).left(4 + 2 * 5);
        QTest::newRow("short: no flags") << cutAfterMinute << 0 << "03/15 - 08:05" << alarm << "Z=10" << "---------" << "OK.";
        const QByteArray cutInCode = lastEventsLine({kZoneEvent, kUserEvent, kNoise}).left(4 + 16 * 2 + 1);
        QTest::newRow("short: whole second record") << cutInCode << 1 << "05/01 - 20:45" << arming << "F=13" << "---------" << QStringLiteral("Késl.");
        QTest::newRow("short: half a code pair") << cutInCode << 2 << "" << "" << "" << "" << "";
        QTest::newRow("short: nothing left") << cutInCode << 7 << "" << "" << "" << "" << "";
        QTest::newRow("prefix only") << QByteArray("AT_{") << 0 << "" << "" << "" << "" << "";
    }

    void rows()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, row);
        QFETCH(QString, time);
        QFETCH(QString, name);
        QFETCH(QString, who);
        QFETCH(QString, targets);
        QFETCH(QString, status);
        const EventRow shown = parseLastEvents(line)[std::size_t(row)];
        QCOMPARE(shown.time, time);
        QCOMPARE(shown.name, name);
        QCOMPARE(shown.who, who);
        QCOMPARE(::targets(shown), targets);
        QCOMPARE(shown.status, status);
        QCOMPARE(shown.isEmpty(), time.isEmpty());
    }

    void moduleMessage_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray("AT_/Teszt uzenet") << QStringLiteral("Teszt uzenet");
        QTest::newRow("nothing after prefix") << QByteArray("AT_/") << QString();
        QTest::newRow("leading blank kept") << QByteArray("AT_/ 12V") << QStringLiteral(" 12V");
        QTest::newRow("windows-1250") << QByteArray("AT_/\xC1ram \x8A\xF5") << QStringLiteral("Áram Šő");
    }

    void moduleMessage()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, text);
        QCOMPARE(moduleMessageText(line), text);
    }
};

QTEST_GUILESS_MAIN(TestLastEvents)
#include "tst_lastevents.moc"
