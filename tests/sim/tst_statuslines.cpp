#include "DemoMemory.h"
#include "ModuleProtocol.h"
#include "StatusLines.h"

#include "link/Commands.h"
#include "monitor/StatusReport.h"
#include "params/ImageLayout.h"
#include "monitor/SupplyVoltage.h"

#include <QTest>

namespace {

using monitor::Tone;
using monitor::ToneText;

// The report the program decodes from the module's answer to a status poll.
monitor::StatusReport polledReport(ModuleProtocol& module)
{
    const ModuleProtocol::Replies replies =
        module.handleLine(*commandLine(command::kStatusPoll, QString::fromUtf16(demo::kInstallerCode)));
    const std::optional<monitor::StatusReport> report =
        replies.isEmpty() ? std::nullopt : monitor::parseStatusReport(replies.first());
    if (!report)
        qWarning("no status report in %s", replies.join(' ').constData());
    return report.value_or(monitor::StatusReport{});
}

} // namespace

class StatusLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void layout_data();
    void layout();
    void voltagesDecodeAsMeant();
    void temperature_data();
    void temperature();
    void inputsFollowWiring_data();
    void inputsFollowWiring();
    void radioWarning();
    void outputsAndSupplies();
};

void StatusLinesTest::layout_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("length");
    QTest::newRow("form 1") << 1 << 84;
    QTest::newRow("form 2") << 2 << 86;
    QTest::newRow("form 3") << 3 << 89;
    QTest::newRow("form 4") << 4 << 92;
}

void StatusLinesTest::layout()
{
    QFETCH(int, form);
    QFETCH(int, length);
    ModuleProtocol module(demoParameterMemory());
    const QByteArray line = statusline::reportLine(module.live(), form);
    QCOMPARE(line.size(), length);
    QVERIFY(line.startsWith("AT_["));
    for (int at : {36, 51, 65, 68, 78, 81})
        QVERIFY2(line[at] == ',', qPrintable(QString::number(at)));
    QCOMPARE(line.back(), ']');

    module.setStatusForm(form);
    const monitor::StatusReport report = polledReport(module);
    QCOMPARE(report.form, form);
    QCOMPARE(report.voltages.terminalTenths, 138);
    QCOMPARE(report.voltages.batteryTenths, form >= 3 ? std::optional<int>(129) : std::nullopt);
    QCOMPARE(report.mains, (form >= 2 ? ToneText{"OK", Tone::Green} : ToneText{"?", Tone::Grey}));
    QCOMPARE(report.temperature, form == 4 ? QStringLiteral("24 C°") : QString());
    QCOMPARE(report.gsmSignal, 23);
}

void StatusLinesTest::voltagesDecodeAsMeant()
{
    for (int tenths = 59; tenths <= 671; ++tenths) {
        const std::array<char, 2> pair = statusline::sixBitPair(statusline::rawForTenths(tenths));
        for (char c : pair)
            QVERIFY(c >= '0' && c <= 'o');
        const int raw = 64 * (pair[0] - '0') + (pair[1] - '0');
        QCOMPARE(monitor::voltageTenths(raw), tenths);
    }
    QCOMPARE(statusline::sixBitPair(statusline::rawForTenths(138)), (std::array<char, 2>{'=', ':'}));
}

void StatusLinesTest::temperature_data()
{
    QTest::addColumn<int>("celsius");
    QTest::addColumn<QByteArray>("pair");
    QTest::addColumn<QString>("shown");
    QTest::newRow("21") << 21 << QByteArray("15") << "21 C°";
    QTest::newRow("-1") << -1 << QByteArray("81") << "-1 C°";
    QTest::newRow("0") << 0 << QByteArray("00") << "0 C°";
    QTest::newRow("-15") << -15 << QByteArray("8?") << "-15 C°";
}

void StatusLinesTest::temperature()
{
    QFETCH(int, celsius);
    QFETCH(QByteArray, pair);
    QFETCH(QString, shown);
    ModuleProtocol module(demoParameterMemory());
    module.live().setTemperature(celsius);
    QCOMPARE(statusline::reportLine(module.live(), 4).mid(89, 2), pair);
    QCOMPARE(polledReport(module).temperature, shown);
}

void StatusLinesTest::inputsFollowWiring_data()
{
    QTest::addColumn<int>("input");
    for (int n = 1; n <= LiveModule::kInputs; ++n)
        QTest::addRow("IN%d", n) << n;
}

void StatusLinesTest::inputsFollowWiring()
{
    QFETCH(int, input);
    const params::ParameterImage mem = demoParameterMemory();
    ModuleProtocol module(mem);
    const int wiring = mem.at(params::offsetOf(params::Field::ZoneWiring, input));
    QCOMPARE(statusline::reportLine(module.live(), 4)[51 + input], char('0' + wiring));

    const auto state = [&] { return polledReport(module).inputs[std::size_t(input - 1)].state; };
    QCOMPARE(state(), (ToneText{"Alaphelyzet", Tone::Green}));
    module.live().tripInput(input);
    QCOMPARE(state(), (ToneText{"Riasztás", Tone::Red}));
    module.live().restoreInput(input);
    QCOMPARE(state(), (ToneText{"Alaphelyzet", Tone::Green}));
    // Only a double end-of-line loop and a radio detector can tell a tamper.
    module.live().tamperInput(input);
    const bool tells = wiring == monitor::wire::kDoubleEndOfLine || wiring == monitor::wire::kRadio;
    QCOMPARE(state(), (tells ? ToneText{"Szabotázs", Tone::Red} : ToneText{"Riasztás", Tone::Red}));
}

void StatusLinesTest::radioWarning()
{
    ModuleProtocol module(demoParameterMemory());
    const int radio = 8; // "Ablak É" in the demo memory
    QCOMPARE(module.live().inputWiring(radio), monitor::wire::kRadio);
    module.live().setRadioDetails(radio, 1, true);
    const monitor::InputDisplay shown = polledReport(module).inputs[radio - 1];
    QCOMPARE(shown.loop, QStringLiteral("V! A1  /  B-"));
    QCOMPARE(shown.loopTone, std::optional<Tone>(Tone::Red));
    QCOMPARE(shown.state.text, QStringLiteral("Alaphelyzet"));
}

void StatusLinesTest::outputsAndSupplies()
{
    ModuleProtocol module(demoParameterMemory());
    OutputStates& out = module.live().outputs();
    out.relays[2] = true;
    out.out2Overcurrent = true;
    out.keypadOvercurrent = true;
    module.live().setMains(false);
    module.live().setGsmSignal(31);
    const monitor::StatusReport report = polledReport(module);
    QCOMPARE(report.relays[2], (ToneText{"BE", Tone::Green}));
    QCOMPARE(report.relays[0], (ToneText{"KI", Tone::Black}));
    QCOMPARE(report.outputs[0], (ToneText{"0 V", Tone::Black}));
    QCOMPARE(report.outputs[1], (ToneText{"Túláram", Tone::Red}));
    QCOMPARE(report.keypadSupply, (ToneText{"Túláram", Tone::Red}));
    QCOMPARE(report.fixedSupply, (ToneText{"12 V", Tone::Green}));
    QCOMPARE(report.mains, (ToneText{"0V", Tone::Red}));
    // Without the charger the terminals carry the battery's voltage.
    QCOMPARE(report.voltages.terminalTenths, 129);
    QCOMPARE(report.gsmSignal, 31);
}

QTEST_GUILESS_MAIN(StatusLinesTest)
#include "tst_statuslines.moc"
