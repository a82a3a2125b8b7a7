#include "DemoMemory.h"
#include "ModuleProtocol.h"
#include "StatusLines.h"

#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(LiveModule&)>;

// The demo module at rest, up to the GSM signal: 32 spare characters; loops
// of IN1-IN12 (1k for open-active and DEOL zones at rest, 2k for
// short-active ones, the radio detectors' bit field 1 + 2·4 + 3·16 = 57 as
// "i") and the A and B inputs; the zone types; 13.8 V at the terminals as
// "=:"; no output on; both partitions disarmed; signal 23 as "G".
const QByteArray kSpare = QByteArray(32, '0');

QByteArray restLine(const QByteArray& tail)
{
    return "AT_[" + kSpare + ",1111112ii12211,1222210331000,=:,000000000,00,G" + tail;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class StatusLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void forms_data();
    void forms();
    void changes_data();
    void changes();
    void voltage_data();
    void voltage();
    void temperature_data();
    void temperature();
    void lastEventsNewestFirst();
    void messageInCodePage();
};

void StatusLinesTest::forms_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("form 1") << 1 << restLine("]");
    QTest::newRow("form 2: mains on") << 2 << restLine(",1]");
    // Battery 12.9 V as "<C", 24 °C as "18".
    QTest::newRow("form 3: battery") << 3 << restLine(",1,<C]");
    QTest::newRow("form 4: temperature") << 4 << restLine(",1,<C,18]");
}

void StatusLinesTest::forms()
{
    QFETCH(int, form);
    QFETCH(QByteArray, line);
    ModuleProtocol module(demoParameterMemory());
    module.setStatusForm(form);
    QCOMPARE(module.handleLine("RPWSEDCB00").value(0), line);
    QCOMPARE(line.size(), QList<int>({84, 86, 89, 92}).at(form - 1));
}

void StatusLinesTest::changes_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QByteArray>("line");

    // "Nappali" (IN3, DEOL, partition 1): its loop shows 2k, both sirens, relay
    // 1 (armed) and relay 2 (alarm) are on.
    QTest::newRow("IN3 tripped, partition 1 armed")
        << Change([](LiveModule& m) { m.arm(1); m.tripInput(3); })
        << "AT_[" + kSpare + ",1121112ii12211,1222210331000,=:,111100000,10,G,1]";
    // "Pince" (IN7, short-active, partition 2) trips unarmed: loop short, no alarm.
    QTest::newRow("IN7 tripped, disarmed") << Change([](LiveModule& m) { m.tripInput(7); })
                                           << "AT_[" + kSpare + ",1111110ii12211,1222210331000,=:,000000000,00,G,1]";
    QTest::newRow("IN2 (DEOL) tampered") << Change([](LiveModule& m) { m.tamperInput(2); })
                                         << "AT_[" + kSpare + ",1311112ii12211,1222210331000,=:,000000000,00,G,1]";
    QTest::newRow("IN1 (open-active) tampered") << Change([](LiveModule& m) { m.tamperInput(1); })
                                                << "AT_[" + kSpare + ",3111112ii12211,1222210331000,=:,000000000,00,G,1]";
    // Radio IN8: rest 1, signal 1 at bits 2-3, no B channel 3 at bits 4-5,
    // low battery 64: 117, sent as the character 48 + 117.
    QTest::newRow("radio IN8 weak, low battery")
        << Change([](LiveModule& m) { m.setRadioDetails(8, 1, true); })
        << "AT_[" + kSpare + ",1111112\xA5i12211,1222210331000,=:,000000000,00,G,1]";
    // Radio IN9 (partition 1) in alarm: 2 + 2·4 + 3·16 = 58, "j".
    QTest::newRow("radio IN9 in alarm, partition 1 armed")
        << Change([](LiveModule& m) { m.arm(1); m.tripInput(9); })
        << "AT_[" + kSpare + ",1111112ij12211,1222210331000,=:,111100000,10,G,1]";
    // Without mains the terminals show the battery, 12.9 V; signal 31 is "O".
    QTest::newRow("outputs, mains lost")
        << Change([](LiveModule& m) {
               m.outputs().relays[2] = true;
               m.outputs().out2Overcurrent = true;
               m.outputs().keypadOvercurrent = true;
               m.setMains(false);
               m.setGsmSignal(31);
           })
        << "AT_[" + kSpare + ",1111112ii12211,1222210331000,<C,000011001,00,O,0]";
}

void StatusLinesTest::changes()
{
    QFETCH(Change, change);
    QFETCH(QByteArray, line);
    ModuleProtocol module(demoParameterMemory());
    module.setStatusForm(2);
    change(module.live());
    QCOMPARE(module.handleLine("RPWSEDCB00").value(0), line);
}

void StatusLinesTest::voltage_data()
{
    // The program reads t = trunc((10 raw - 3600) / 61) + 59 tenths.
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QByteArray>("pair");
    QTest::newRow("5.9 V, raw 360") << 59 << QByteArray("5X");
    QTest::newRow("6.0 V, raw 367") << 60 << QByteArray("5_");
    QTest::newRow("12.9 V, raw 787") << 129 << QByteArray("<C");
    QTest::newRow("13.8 V, raw 842") << 138 << QByteArray("=:");
    QTest::newRow("67.1 V, raw 4094") << 671 << QByteArray("on");
    QTest::newRow("below the range") << 0 << QByteArray("5X");
    QTest::newRow("above the range") << 1000 << QByteArray("on");
}

void StatusLinesTest::voltage()
{
    QFETCH(int, tenths);
    QFETCH(QByteArray, pair);
    ModuleProtocol module(demoParameterMemory());
    module.live().setTerminalTenths(tenths);
    QCOMPARE(statusline::reportLine(module.live(), 1).mid(66, 2), pair);
}

void StatusLinesTest::temperature_data()
{
    QTest::addColumn<int>("celsius");
    QTest::addColumn<QByteArray>("pair");
    QTest::newRow("21") << 21 << QByteArray("15");
    QTest::newRow("-1") << -1 << QByteArray("81");
    QTest::newRow("0") << 0 << QByteArray("00");
    QTest::newRow("-15") << -15 << QByteArray("8?");
}

void StatusLinesTest::temperature()
{
    QFETCH(int, celsius);
    QFETCH(QByteArray, pair);
    ModuleProtocol module(demoParameterMemory());
    module.live().setTemperature(celsius);
    QCOMPARE(statusline::reportLine(module.live(), 4).mid(89, 2), pair);
}

void StatusLinesTest::lastEventsNewestFirst()
{
    ModuleProtocol module(demoParameterMemory());
    EventMemory& events = module.live().events();
    for (int i = 0; i < 96; ++i)
        events.log(eventRecord(0, 0, QDateTime(QDate(2024, 1, 1), QTime(0, 0))));
    // Mains fault on 5 March 7:09, to S1; user 2 arms partition 2 on 12
    // December 23:59, for the central station.
    events.log(eventRecord(32, 0, QDateTime(QDate(2024, 3, 5), QTime(7, 9)), 0x10));
    events.log(eventRecord(28, 2, QDateTime(QDate(2024, 12, 12), QTime(23, 59)), 0, 0x01));
    QCOMPARE(module.handleLine("RPWEEDCB00").value(0),
             "AT_{1CC20C173B000001" "2030050709001000" + QByteArray("0010010000000000").repeated(6));
}

void StatusLinesTest::messageInCodePage()
{
    // One byte a character; one the code page lacks is "?".
    QCOMPARE(statusline::messageLine(QStringLiteral("Hőmérséklet: ű€ж")),
             QByteArray("AT_/H\xF5m\xE9rs\xE9klet: \xFB\x80?"));
}

QTEST_GUILESS_MAIN(StatusLinesTest)
#include "tst_statuslines.moc"
