#include "monitor/StatusReport.h"

#include "MonitorTestLines.h"

#include <QTest>

using namespace monitor;
using testlines::describe;
using testlines::StatusLine;

namespace {
QString describeLoopTone(const std::optional<Tone>& tone)
{
    return tone ? describe(*tone) : QStringLiteral("unchanged");
}

StatusReport parsed(const QByteArray& line)
{
    const auto report = parseStatusReport(line);
    if (!report)
        qFatal("report rejected: %s", line.constData());
    return *report;
}
} // namespace

class TestStatusReport : public QObject
{
    Q_OBJECT
private slots:
    void forms_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("mains");
        QTest::addColumn<QString>("voltage");
        QTest::addColumn<QString>("temperature");
        QTest::newRow("form 1") << QByteArray(StatusLine(1)) << 1 << "? grey" << "13.80V" << "";
        QTest::newRow("form 2") << QByteArray(StatusLine(2)) << 2 << "OK green" << "13.80V" << "";
        QTest::newRow("form 2 no mains") << QByteArray(StatusLine(2).set(84, '0')) << 2 << "0V red" << "13.80V" << "";
        QTest::newRow("form 3") << QByteArray(StatusLine(3).set(86, "oo")) << 3 << "OK green" << "67.1V / 13.8V" << "";
        QTest::newRow("form 3 no mains") << QByteArray(StatusLine(3).set(84, '0')) << 3 << "0V red" << "13.8V / 13.8V" << "";
        QTest::newRow("form 4") << QByteArray(StatusLine(4)) << 4 << "OK green" << "13.8V / 13.8V" << QStringLiteral("21 C°");
        QTest::newRow("form 4 mains other") << QByteArray(StatusLine(4).set(84, 'x')) << 4 << "OK green" << "13.8V / 13.8V" << QStringLiteral("21 C°");
        QTest::newRow("unexamined places") << QByteArray(StatusLine(4).set(4, ",,]]").set(64, ']').set(83, ',').set(85, ']').set(88, ']'))
                                           << 4 << "OK green" << "13.8V / 13.8V" << QStringLiteral("21 C°");
    }

    void forms()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, form);
        QFETCH(QString, mains);
        QFETCH(QString, voltage);
        QFETCH(QString, temperature);
        const StatusReport report = parsed(line);
        QCOMPARE(report.form, form);
        QCOMPARE(describe(report.mains), mains);
        QCOMPARE(supplyVoltageText(report.voltages, QLocale::c()), voltage);
        QCOMPARE(report.temperature, temperature);
    }

    void rejected_data()
    {
        QTest::addColumn<QByteArray>("line");
        for (int at : {36, 51, 65, 68, 78, 81})
            for (int form = 1; form <= 4; ++form)
                QTest::addRow("separator %d form %d", at, form) << QByteArray(StatusLine(form).set(at, '.'));
        QTest::newRow("separator moved") << QByteArray(StatusLine(4).set(36, "2,"));
        for (int form = 1; form <= 4; ++form) {
            QByteArray unclosed = StatusLine(form);
            unclosed.back() = '#';
            QTest::addRow("form %d not closed", form) << unclosed;
        }
        for (int length : {0, 4, 83, 85, 87, 88, 90, 91, 93, 120})
            QTest::addRow("length %d", length) << testlines::statusLineOfLength(length);
    }

    void rejected()
    {
        QFETCH(QByteArray, line);
        QVERIFY(!parseStatusReport(line).has_value());
    }

    void inputs_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<char>("type");
        QTest::addColumn<char>("loop");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("loopText");
        QTest::addColumn<QString>("loopTone");
        const QString rest = QStringLiteral("Alaphelyzet green");
        const QString alarm = QStringLiteral("Riasztás red");
        const QString tamper = QStringLiteral("Szabotázs red");
        const QString none = QStringLiteral(". black");
        const QString keep = QStringLiteral("unchanged");
        const QString shorted = QStringLiteral("Rövidzár");
        const QString open = QStringLiteral("Szakadás");
        struct Wired { char type; char loop; QString state; QString loop_text; };
        const Wired wired[] = {
            {'0', '0', alarm, shorted}, {'0', '1', alarm, "1k"}, {'0', '2', rest, "2k"}, {'0', '3', rest, open},
            {'0', '9', rest, "."}, {'0', '/', alarm, "."},
            {'1', '0', rest, shorted}, {'1', '1', rest, "1k"}, {'1', '2', alarm, "2k"}, {'1', '3', alarm, open},
            {'1', '9', alarm, "."}, {'1', '/', rest, "."},
            {'2', '0', tamper, shorted}, {'2', '1', rest, "1k"}, {'2', '2', alarm, "2k"}, {'2', '3', tamper, open},
            {'2', '4', none, "."},
            {'4', '1', none, "1k"}, {'/', '2', none, "2k"},
        };
        int n = 0;
        for (const Wired& w : wired) {
            const int input = n++ % 12 + 1;
            QTest::addRow("IN%d type %c loop %c", input, w.type, w.loop)
                << input << w.type << w.loop << w.state << w.loop_text << keep;
        }
        // Radio detectors: bits 0-1 state, 2-3 channel A, 4-5 channel B,
        // 6 and 7 low battery of A and B.
        QTest::newRow("radio 64+4+1") << 7 << '3' << char(48 + 64 + 4 + 1) << rest << "V! A1  /  B0" << "red";
        QTest::newRow("radio tamper") << 1 << '3' << '0' << tamper << "A0  /  B0" << "black";
        QTest::newRow("radio alarm") << 2 << '3' << '2' << alarm << "A0  /  B0" << "black";
        QTest::newRow("radio state 3") << 3 << '3' << '3' << none << "A0  /  B0" << "black";
        QTest::newRow("radio A no value") << 4 << '3' << char(48 + 12 + 1) << rest << "A-  /  B0" << "black";
        QTest::newRow("radio B no value") << 5 << '3' << char(48 + 48 + 2) << alarm << "A0  /  B-" << "black";
        QTest::newRow("radio B warning") << 6 << '3' << char(48 + 128 + 16 + 1) << rest << "A0  /  V! B1" << "red";
        QTest::newRow("radio both warnings") << 12 << '3' << char(48 + 192) << tamper << "V! A0  /  V! B0" << "red";
        QTest::newRow("radio both channels") << 11 << '3' << char(48 + 8 + 32 + 2) << alarm << "A2  /  B2" << "black";
        QTest::newRow("radio below 0") << 10 << '3' << char(47) << none << "V! A-  /  V! B-" << "red";
    }

    void inputs()
    {
        QFETCH(int, input);
        QFETCH(char, type);
        QFETCH(char, loop);
        QFETCH(QString, state);
        QFETCH(QString, loopText);
        QFETCH(QString, loopTone);
        const StatusReport report = parsed(StatusLine(1).input(input, loop, type));
        for (int n = 1; n <= kInputCount; ++n) {
            const InputDisplay& shown = report.inputs[std::size_t(n - 1)];
            if (n == input) {
                QCOMPARE(describe(shown.state), state);
                QCOMPARE(shown.loop, loopText);
                QCOMPARE(describeLoopTone(shown.loopTone), loopTone);
            } else {
                QCOMPARE(describe(shown.state), QStringLiteral("Alaphelyzet green"));
                QCOMPARE(shown.loop, QStringLiteral("2k"));
            }
        }
    }

    void armingInputLoops_data()
    {
        QTest::addColumn<QByteArray>("loops");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("short / open") << QByteArray("03") << QStringLiteral("Rövidzár") << QStringLiteral("Szakadás");
        QTest::newRow("1k / 2k") << QByteArray("12") << "1k" << "2k";
        QTest::newRow("out of range") << QByteArray("4/") << "." << ".";
    }

    void armingInputLoops()
    {
        QFETCH(QByteArray, loops);
        QFETCH(QString, a);
        QFETCH(QString, b);
        const StatusReport report = parsed(StatusLine(2).set(49, loops));
        QCOMPARE(report.armingInputLoops[0], a);
        QCOMPARE(report.armingInputLoops[1], b);
    }

    void voltages_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QByteArray>("terminal");
        QTest::addColumn<QByteArray>("battery");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hungarian");
        QTest::newRow("13.8") << 1 << QByteArray("=:") << QByteArray() << "13.80V" << "13,80V";
        QTest::newRow("zero pair") << 2 << QByteArray("00") << QByteArray() << "0.00V" << "0,00V";
        QTest::newRow("raw 116") << 1 << QByteArray("1d") << QByteArray() << "0.00V" << "0,00V";
        QTest::newRow("raw 117") << 1 << QByteArray("1e") << QByteArray() << "2.00V" << "2,00V";
        QTest::newRow("full scale") << 2 << QByteArray("oo") << QByteArray() << "67.10V" << "67,10V";
        QTest::newRow("below 0 wraps") << 1 << QByteArray("//") << QByteArray() << "67.10V" << "67,10V";
        QTest::newRow("battery first") << 3 << QByteArray("=:") << QByteArray("oo") << "67.1V / 13.8V" << "67,1V / 13,8V";
        QTest::newRow("battery zero") << 4 << QByteArray("oo") << QByteArray("00") << "0.0V / 67.1V" << "0,0V / 67,1V";
    }

    void voltages()
    {
        QFETCH(int, form);
        QFETCH(QByteArray, terminal);
        QFETCH(QByteArray, battery);
        QFETCH(QString, text);
        QFETCH(QString, hungarian);
        StatusLine line(form);
        line.set(66, terminal);
        if (!battery.isEmpty())
            line.set(86, battery);
        const StatusReport report = parsed(line);
        QCOMPARE(supplyVoltageText(report.voltages, QLocale::c()), text);
        QCOMPARE(supplyVoltageText(report.voltages, QLocale(QLocale::Hungarian)), hungarian);
    }

    void voltageTenths_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("tenths");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("116 truncates to 19") << 116 << 0;
        QTest::newRow("117 first shown") << 117 << 20;
        QTest::newRow("842") << 842 << 138;
        QTest::newRow("4095") << 4095 << 671;
    }

    void voltageTenths()
    {
        QFETCH(int, raw);
        QFETCH(int, tenths);
        QCOMPARE(monitor::voltageTenths(raw), tenths);
    }

    void outputs_data()
    {
        QTest::addColumn<QByteArray>("flags"); // indexes 69 to 77
        QTest::addColumn<QStringList>("shown"); // OUT1, OUT2, keypad, fixed, relays 1-3
        const QString off = QStringLiteral("0 V black");
        const QString on = QStringLiteral("12 V green");
        const QString over = QStringLiteral("Túláram red");
        const QString ki = QStringLiteral("KI black");
        const QString be = QStringLiteral("BE green");
        QTest::newRow("all off") << QByteArray("000000000") << QStringList{off, off, on, on, ki, ki, ki};
        QTest::newRow("outputs on") << QByteArray("110000000") << QStringList{on, on, on, on, ki, ki, ki};
        QTest::newRow("OUT1 overcurrent wins") << QByteArray("100000010") << QStringList{over, off, on, on, ki, ki, ki};
        QTest::newRow("OUT2 overcurrent alone") << QByteArray("000000001") << QStringList{off, over, on, on, ki, ki, ki};
        QTest::newRow("relays") << QByteArray("001010000") << QStringList{off, off, on, on, be, ki, be};
        QTest::newRow("relay 2") << QByteArray("000100000") << QStringList{off, off, on, on, ki, be, ki};
        QTest::newRow("keypad overcurrent") << QByteArray("000001000") << QStringList{off, off, over, on, ki, ki, ki};
        QTest::newRow("fixed overcurrent") << QByteArray("000000100") << QStringList{off, off, on, over, ki, ki, ki};
        QTest::newRow("only 1 is on") << QByteArray("222222222") << QStringList{off, off, on, on, ki, ki, ki};
    }

    void outputs()
    {
        QFETCH(QByteArray, flags);
        QFETCH(QStringList, shown);
        const StatusReport r = parsed(StatusLine(3).set(69, flags));
        const QStringList actual = {describe(r.outputs[0]), describe(r.outputs[1]), describe(r.keypadSupply),
                                    describe(r.fixedSupply), describe(r.relays[0]), describe(r.relays[1]),
                                    describe(r.relays[2])};
        QCOMPARE(actual, shown);
    }

    void partitions_data()
    {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        const QString armed = QStringLiteral("Élesítve red");
        const QString disarmed = QStringLiteral("Kikapcsolva green");
        QTest::newRow("both armed") << QByteArray("11") << armed << armed;
        QTest::newRow("second armed") << QByteArray("01") << disarmed << armed;
        QTest::newRow("first armed") << QByteArray("1x") << armed << disarmed;
        QTest::newRow("none") << QByteArray("00") << disarmed << disarmed;
    }

    void partitions()
    {
        QFETCH(QByteArray, flags);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const StatusReport r = parsed(StatusLine(4).set(79, flags));
        QCOMPARE(describe(r.partitions[0]), first);
        QCOMPARE(describe(r.partitions[1]), second);
    }

    void gsmSignal_data()
    {
        QTest::addColumn<char>("signal");
        QTest::addColumn<int>("value");
        QTest::newRow("0") << '0' << 0;
        QTest::newRow("15") << '?' << 15;
        QTest::newRow("31") << 'O' << 31;
        QTest::newRow("below 0") << '/' << -1;
        QTest::newRow("blank") << ' ' << -16;
    }

    void gsmSignal()
    {
        QFETCH(char, signal);
        QFETCH(int, value);
        QCOMPARE(parsed(StatusLine(1).set(82, signal)).gsmSignal, value);
    }

    void temperature_data()
    {
        QTest::addColumn<QByteArray>("pair");
        QTest::addColumn<QString>("text");
        QTest::newRow("21") << QByteArray("15") << QStringLiteral("21 C°");
        QTest::newRow("-1") << QByteArray("81") << QStringLiteral("-1 C°");
        QTest::newRow("no reading") << QByteArray("80") << QString();
        QTest::newRow("0") << QByteArray("00") << QStringLiteral("0 C°");
        QTest::newRow("127") << QByteArray("7?") << QStringLiteral("127 C°");
        QTest::newRow("-127") << QByteArray("??") << QStringLiteral("-127 C°");
    }

    void temperature()
    {
        QFETCH(QByteArray, pair);
        QFETCH(QString, text);
        QCOMPARE(parsed(StatusLine(4).set(89, pair)).temperature, text);
    }
};

QTEST_GUILESS_MAIN(TestStatusReport)
#include "tst_statusreport.moc"
