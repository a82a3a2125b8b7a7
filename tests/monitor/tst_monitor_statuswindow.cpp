// The status window's controls and its rendering of the status lines the
// dispatcher hands it, shown or hidden.
#include "MonitorTestLines.h"
#include "TextFit.h"

#include "link/Cp1250.h"
#include "link/DeviceLink.h"
#include "link/Ticks.h"
#include "monitor/EventGrid.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"
#include "monitor/ToneLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using testlines::StatusLine;

namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kMaroon(128, 0, 0);

// "13.80V" with the decimal point the window uses.
QString volts(QString text)
{
    return text.replace(u'.', QLocale::system().decimalPoint());
}

// A window on an unopened link; lines reach it through the dispatcher.
struct StatusFixture
{
    DeviceLink link;
    TFormEventlistShort eventList{link};
    TFormStatus form{link, eventList};

    void feed(const QByteArray& line) { link.dispatcher().HandleReply(line); }

    QLabel* label(const QString& name) const { return form.findChild<QLabel*>(name); }

    // Text and colour of every label, to prove that nothing changed.
    QStringList snapshot() const
    {
        QStringList out;
        for (const QLabel* l : form.findChildren<QLabel*>())
            out << l->objectName() + u'=' + l->text() + u'/' + monitor::labelColor(*l).name();
        out << form.pbTerero->text() + QString::number(form.pbTerero->value());
        return out;
    }
};

} // namespace

class TestStatusWindow : public QObject
{
    Q_OBJECT
private slots:
    void panelCaptions_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("valueLabel");
        for (int n = 1; n <= 12; ++n)
            QTest::addRow("IN%d", n) << QStringLiteral("PanelIN%1").arg(n) << QStringLiteral("IN%1").arg(n)
                                     << QStringLiteral("lbINS%1").arg(n);
        QTest::newRow("part 1") << "PanelPart1State" << "1. Partíció állapota" << "lbPart1";
        QTest::newRow("part 2") << "PanelPart2State" << "2. Partíció állapota" << "lbPart2";
        QTest::newRow("accu") << "PanelAccu" << "Akkumulátor" << "lbAkku";
        QTest::newRow("AC") << "PanelAC" << "AC" << "lbAC";
        QTest::newRow("A") << "PanelInputA" << "'A' bemenet" << "lbINEA";
        QTest::newRow("B") << "PanelInputB" << "'B' bemenet" << "lbINEB";
        for (int n = 1; n <= 3; ++n)
            QTest::addRow("REL%d", n) << QStringLiteral("PanelREL%1").arg(n) << QStringLiteral("RELE %1").arg(n)
                                      << QStringLiteral("lbREL%1").arg(n);
        QTest::newRow("OUT1") << "PanelOUT1" << "OUT 1" << "lbOUT1";
        QTest::newRow("OUT2") << "PanelOUT2" << "OUT 2" << "lbOUT2";
        QTest::newRow("keypad") << "PanelKeypad" << "Kezelő 12V" << "lbKezelo";
        QTest::newRow("fix") << "PanelFix12V" << "Fix 12V" << "lbFix";
    }

    void panelCaptions()
    {
        QFETCH(QString, panel);
        QFETCH(QString, caption);
        QFETCH(QString, valueLabel);
        StatusFixture f;
        const auto* p = f.form.findChild<TitledPanel*>(panel);
        QVERIFY(p);
        QCOMPARE(p->caption(), caption);
        // Each value label sits in its panel and starts as ".".
        const QLabel* value = p->findChild<QLabel*>(valueLabel);
        QVERIFY(value);
        QCOMPARE(value->text(), QStringLiteral("."));
    }

    void windowControls()
    {
        StatusFixture f;
        TFormStatus& form = f.form;
        QCOMPARE(form.windowTitle(), QStringLiteral("GSM-Sentrova állapotfigyelés"));
        QCOMPARE(form.GroupInputs->title(), QStringLiteral(" Bemenetek "));
        QCOMPARE(form.GroupOutputs->title(), QStringLiteral(" Kimenetek "));
        QCOMPARE(form.lbLastEvents->text(), QStringLiteral("Az utolsó nyolc esemény:"));
        QCOMPARE(form.lbMessages->text(), QStringLiteral("A modul állapot üzenetei:"));
        QCOMPARE(form.lbGSMpow->text(), QStringLiteral("GSM térerő (0-31):"));
        QCOMPARE(form.lbGSMpowVal->text(), QStringLiteral("0"));
        QCOMPARE(form.pbTerero->minimum(), 0);
        QCOMPARE(form.pbTerero->maximum(), 31);
        QCOMPARE(form.lbTemp->text(), QStringLiteral("Modul hőmérs.:"));
        QCOMPARE(form.lbTempVal->text(), QString());
        const QString hint = QStringLiteral("Utoljára mért valós akku-feszültség   /   Pillanatnyi feszültség a "
                                            "kapcsokon (töltés esetén a töltőfeszültség)");
        QCOMPARE(form.PanelAccu->toolTip(), hint);
        QCOMPARE(form.lbAkku->toolTip(), hint);
        QVERIFY(!form.StatusTimer->isActive());
        QCOMPARE(form.StatusTimer->interval(), ticks::toMs(5));

        QCOMPARE(form.acgEvSh->titles(),
                 (QStringList{"", "Időpont", "Esemény", "Z/F", "T1", "T2", "T3", "T4", "S1", "S2", "S3", "S4", "K.",
                              "Státusz"}));
        QCOMPARE(form.acgEvSh->columnWidths(),
                 (QList<int>{20, 80, 89, 33, 17, 17, 17, 17, 17, 17, 17, 17, 17, 46}));
        // The status column is wide enough for its title.
        QVERIFY(textfit::headerTitleFits(form.acgEvSh->horizontalHeader(), 13, QStringLiteral("Státusz")));
        QCOMPARE(form.acgEvSh->rowCount(), 8);
        for (int r = 0; r < 8; ++r)
            QCOMPARE(form.acgEvSh->cellText(r, 0), QString::number(r + 1));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("textColour"); // invalid: the style's own
        QTest::newRow("names") << "btLoadZoneNames" << "Zóna nevek leolvasása" << QColor();
        QTest::newRow("clear") << "btClearMsg" << "Üzenetablak törlése" << QColor();
        QTest::newRow("stop") << "btSotpAllAlarm" << "Riasztás leállítása" << kMaroon;
        QTest::newRow("P1 off") << "btP1OFF" << "Kikapcs.P1" << kGreen;
        QTest::newRow("P2 off") << "btP2OFF" << "Kikapcs.P2" << kGreen;
        QTest::newRow("P1 on") << "btP1ON" << "Élesítés P1" << kMaroon;
        QTest::newRow("P2 on") << "btP2ON" << "Élesítés P2" << kMaroon;
        QTest::newRow("close") << "btClose" << "Ablak bezárása" << QColor();
    }

    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QColor, textColour);
        StatusFixture f;
        const auto* button = f.form.findChild<QPushButton*>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        if (textColour.isValid())
            QCOMPARE(button->palette().color(QPalette::ButtonText), textColour);
    }

    void reportFields_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("labelName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour"); // invalid: not examined

        QTest::newRow("partition 1 armed") << QByteArray(StatusLine(1).set(79, '1')) << "lbPart1" << "Élesítve" << kRed;
        QTest::newRow("partition 1 off") << QByteArray(StatusLine(1)) << "lbPart1" << "Kikapcsolva" << kGreen;
        QTest::newRow("partition 2 armed") << QByteArray(StatusLine(2).set(80, '1')) << "lbPart2" << "Élesítve" << kRed;
        QTest::newRow("partition 2 other char") << QByteArray(StatusLine(2).set(80, '2')) << "lbPart2" << "Kikapcsolva"
                                                << kGreen;

        QTest::newRow("OUT1 overcurrent wins") << QByteArray(StatusLine(1).set(69, '1').set(76, '1')) << "lbOUT1"
                                               << "Túláram" << kRed;
        QTest::newRow("OUT1 on") << QByteArray(StatusLine(1).set(69, '1')) << "lbOUT1" << "12 V" << kGreen;
        QTest::newRow("OUT1 off") << QByteArray(StatusLine(1)) << "lbOUT1" << "0 V" << kBlack;
        QTest::newRow("OUT2 overcurrent") << QByteArray(StatusLine(3).set(77, '1')) << "lbOUT2" << "Túláram" << kRed;
        QTest::newRow("OUT2 on") << QByteArray(StatusLine(3).set(70, '1')) << "lbOUT2" << "12 V" << kGreen;
        QTest::newRow("keypad overcurrent") << QByteArray(StatusLine(1).set(74, '1')) << "lbKezelo" << "Túláram"
                                            << kRed;
        QTest::newRow("keypad ok") << QByteArray(StatusLine(1)) << "lbKezelo" << "12 V" << kGreen;
        QTest::newRow("fixed overcurrent") << QByteArray(StatusLine(4).set(75, '1')) << "lbFix" << "Túláram" << kRed;
        QTest::newRow("fixed ok") << QByteArray(StatusLine(4)) << "lbFix" << "12 V" << kGreen;
        for (int r = 1; r <= 3; ++r) {
            QTest::addRow("relay %d on", r) << QByteArray(StatusLine(1).set(70 + r, '1'))
                                            << QStringLiteral("lbREL%1").arg(r) << "BE" << kGreen;
            QTest::addRow("relay %d off", r) << QByteArray(StatusLine(1)) << QStringLiteral("lbREL%1").arg(r) << "KI"
                                             << kBlack;
        }

        QTest::newRow("mains form 1") << QByteArray(StatusLine(1)) << "lbAC" << "?" << kGrey;
        QTest::newRow("mains form 2 ok") << QByteArray(StatusLine(2)) << "lbAC" << "OK" << kGreen;
        QTest::newRow("mains form 4 none") << QByteArray(StatusLine(4).set(84, '0')) << "lbAC" << "0V" << kRed;

        QTest::newRow("battery form 1") << QByteArray(StatusLine(1)) << "lbAkku" << volts("13.80V") << QColor();
        QTest::newRow("battery form 2 zero") << QByteArray(StatusLine(2).set(66, "00")) << "lbAkku" << volts("0.00V")
                                             << QColor();
        QTest::newRow("battery form 3 battery first")
            << QByteArray(StatusLine(3).set(86, "00").set(66, "oo")) << "lbAkku" << volts("0.0V / 67.1V") << QColor();

        QTest::newRow("temperature 21") << QByteArray(StatusLine(4)) << "lbTempVal" << "21 C°" << QColor();
        QTest::newRow("temperature -1") << QByteArray(StatusLine(4).set(89, "81")) << "lbTempVal" << "-1 C°"
                                        << QColor();
        QTest::newRow("temperature none") << QByteArray(StatusLine(4).set(89, "80")) << "lbTempVal" << "" << QColor();
        QTest::newRow("temperature form 3") << QByteArray(StatusLine(3)) << "lbTempVal" << "" << QColor();

        QTest::newRow("GSM 15") << QByteArray(StatusLine(1)) << "lbGSMpowVal" << "15" << QColor();
        QTest::newRow("GSM below 0") << QByteArray(StatusLine(1).set(82, '.')) << "lbGSMpowVal" << "-2" << QColor();

        QTest::newRow("IN1 DEOL tamper") << QByteArray(StatusLine(1).input(1, '3', '2')) << "lbINS1" << "Szabotázs"
                                         << kRed;
        QTest::newRow("IN1 DEOL open loop") << QByteArray(StatusLine(1).input(1, '3', '2')) << "lbINE1" << "Szakadás"
                                            << QColor();
        QTest::newRow("IN6 short alarm") << QByteArray(StatusLine(2).input(6, '0', '0')) << "lbINS6" << "Riasztás"
                                         << kRed;
        QTest::newRow("IN6 short loop") << QByteArray(StatusLine(2).input(6, '0', '0')) << "lbINE6" << "Rövidzár"
                                        << QColor();
        QTest::newRow("IN12 open-active rest") << QByteArray(StatusLine(4).input(12, '0', '1')) << "lbINS12"
                                               << "Alaphelyzet" << kGreen;
        QTest::newRow("IN7 unknown type") << QByteArray(StatusLine(1).input(7, '1', '5')) << "lbINS7" << "." << kBlack;
        QTest::newRow("IN7 unknown type loop") << QByteArray(StatusLine(1).input(7, '1', '5')) << "lbINE7" << "1k"
                                               << QColor();
        const char radio = char(48 + 64 + 4 + 1);
        QTest::newRow("IN3 radio rest") << QByteArray(StatusLine(1).input(3, radio, '3')) << "lbINS3" << "Alaphelyzet"
                                        << kGreen;
        QTest::newRow("IN3 radio warning") << QByteArray(StatusLine(1).input(3, radio, '3')) << "lbINE3"
                                           << "V! A1  /  B0" << kRed;
        QTest::newRow("IN3 radio quiet") << QByteArray(StatusLine(1).input(3, char(48 + 0x39), '3')) << "lbINE3"
                                         << "A2  /  B-" << kBlack;
        QTest::newRow("A loop") << QByteArray(StatusLine(1).set(49, '0')) << "lbINEA" << "Rövidzár" << QColor();
        QTest::newRow("B loop") << QByteArray(StatusLine(1).set(50, '3')) << "lbINEB" << "Szakadás" << QColor();
        QTest::newRow("B loop unknown") << QByteArray(StatusLine(1).set(50, '7')) << "lbINEB" << "." << QColor();
    }

    void reportFields()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, labelName);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        StatusFixture f;
        f.feed(line);
        const QLabel* l = f.label(labelName);
        QVERIFY(l);
        QCOMPARE(l->text(), text);
        if (colour.isValid())
            QCOMPARE(monitor::labelColor(*l), colour);
    }

    void signalBarFollowsTheReport()
    {
        StatusFixture f;
        f.feed(StatusLine(1).set(82, '7'));
        QCOMPARE(f.form.pbTerero->value(), 7);
        f.feed(StatusLine(1).set(82, 'O')); // 31
        QCOMPARE(f.form.pbTerero->value(), 31);
        QCOMPARE(f.form.lbGSMpowVal->text(), QStringLiteral("31"));
    }

    void wiredLoopKeepsItsColour()
    {
        StatusFixture f;
        f.feed(StatusLine(1).input(2, char(48 + 128 + 1), '3'));
        QCOMPARE(f.form.inputs[1].loop->text(), QStringLiteral("A0  /  V! B0"));
        QCOMPARE(monitor::labelColor(*f.form.inputs[1].loop), kRed);
        // A wired loop changes the text but leaves the colour.
        f.feed(StatusLine(1).input(2, '1', '0'));
        QCOMPARE(f.form.inputs[1].loop->text(), QStringLiteral("1k"));
        QCOMPARE(monitor::labelColor(*f.form.inputs[1].loop), kRed);
    }

    void badReportChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("85 characters") << testlines::statusLineOfLength(85);
        QTest::newRow("83 characters") << testlines::statusLineOfLength(83);
        QTest::newRow("separator at 51 missing") << QByteArray(StatusLine(4).set(51, '#'));
        QTest::newRow("separator at 81 missing") << QByteArray(StatusLine(1).set(81, '1'));
        QTest::newRow("no closing bracket") << QByteArray(StatusLine(3).set(88, ')'));
        QTest::newRow("prefix only") << QByteArray("AT_[");
    }

    void badReportChangesNothing()
    {
        QFETCH(QByteArray, line);
        StatusFixture f;
        f.feed(StatusLine(4).set(79, "11").set(69, "111").input(4, '3', '2').set(82, '9'));
        const QStringList before = f.snapshot();
        QCOMPARE(f.form.lbPart1->text(), QStringLiteral("Élesítve"));
        // The bad line would turn everything back to rest.
        f.feed(line);
        QCOMPARE(f.snapshot(), before);
    }

    void hiddenWindowKeepsDecoding()
    {
        StatusFixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        f.form.btCloseClick();
        QVERIFY(!f.form.isVisible());
        f.feed(StatusLine(2).set(80, '1'));
        f.feed(testlines::lastEventsLine({testlines::recordBytes({47, 0x31, 2, 3, 4, 0, 0, 0})}));
        f.feed("AT_/hidden");
        QCOMPARE(f.form.lbPart2->text(), QStringLiteral("Élesítve"));
        QCOMPARE(f.form.acgEvSh->cellText(0, 2), QStringLiteral("RF zaj           "));
        QCOMPARE(f.form.Memo1->lines(), QStringList{"hidden"});
    }

    void lastEvents_data()
    {
        using testlines::recordBytes;
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells"); // columns 1 to 13
        const QByteArray line = testlines::lastEventsLine({
            recordBytes({1, 0x33, 15, 8, 5, 0, 0x01, 0}),         // zone 3, T1 pending
            recordBytes({27, 0x1D, 1, 23, 59, 0, 0x80, 0x04}),    // installer, S4, stopped
            recordBytes({47, 0xC0, 31, 0, 0, 0, 0, 0x01}),        // system, central station
            recordBytes({0, 0x33, 15, 8, 5, 0, 0xFF, 0xFF}),      // empty slot
            recordBytes({48, 0x33, 15, 8, 5, 0, 0xFF, 0xFF}),     // 48: empty as well
            recordBytes({32, 0x21, 2, 3, 4, 0, 0, 0x10}),         // delayed
        });
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("zone event") << 0 << QStringList{"03/15 - 08:05", "IN1 Riasztás     ", "Z=3", "X", "-", "-",
                                                        "-", "-", "-", "-", "-", "-", "Aktív"} << line;
        QTest::newRow("user event") << 1 << QStringList{"01/01 - 23:59", "Élesítés Part.1  ", "F=13", "-", "-", "-",
                                                        "-", "-", "-", "-", "X", "-", "STOP"} << line;
        QTest::newRow("system event") << 2 << QStringList{"12/31 - 00:00", "RF zaj           ", "--", "-", "-", "-",
                                                          "-", "-", "-", "-", "-", "X", "Aktív"} << line;
        QTest::newRow("code 0") << 3 << QStringList(13, QString()) << line;
        QTest::newRow("code 48") << 4 << QStringList(13, QString()) << line;
        QTest::newRow("delayed") << 5 << QStringList{"02/02 - 03:04", "AC hiba          ", "--", "-", "-", "-", "-",
                                                     "-", "-", "-", "-", "-", "Késl."} << line;
        QTest::newRow("beyond the line") << 6 << QStringList(13, QString()) << line;
        QByteArray broken = line;
        broken[4 + 16 * 2] = 'g'; // record 2's code is no longer hex
        QTest::newRow("non-hex digit") << 2 << QStringList(13, QString()) << broken;
    }

    void lastEvents()
    {
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        QFETCH(QByteArray, line);
        StatusFixture f;
        // Every row filled before: an empty record must clear its row.
        f.feed("AT_{" + testlines::recordBytes({33, 0x11, 1, 1, 1, 0, 0, 0}).toHex().toUpper().repeated(8));
        QCOMPARE(f.form.acgEvSh->cellText(7, 2), QStringLiteral("AC rendben       "));
        f.feed(line);
        QStringList shown;
        for (int c = 1; c < 14; ++c)
            shown << f.form.acgEvSh->cellText(row, c);
        QCOMPARE(shown, cells);
        QCOMPARE(f.form.acgEvSh->cellText(row, 0), QString::number(row + 1));
    }

    void moduleMessages()
    {
        StatusFixture f;
        f.feed("AT_/" + toCp1250(u"Riasztás IN1"));
        f.feed("AT_/");
        f.feed("AT_/" + toCp1250(u"Árvíztűrő"));
        QCOMPARE(f.form.Memo1->lines(), (QStringList{"Riasztás IN1", "", "Árvíztűrő"}));
        QTest::mouseClick(f.form.btClearMsg, Qt::LeftButton);
        QCOMPARE(f.form.Memo1->lines(), QStringList());
        QCOMPARE(f.form.Memo1->toPlainText(), QString());
        f.feed("AT_/");
        QCOMPARE(f.form.Memo1->lines(), QStringList{""});
        f.feed("AT_/x");
        QCOMPARE(f.form.Memo1->lines(), (QStringList{"", "x"}));
    }

    void messageMemoKeepsTheNewestFiveThousand()
    {
        StatusFixture f;
        for (int n = 1; n <= 5001; ++n)
            f.feed("AT_/" + QByteArray::number(n));
        const QStringList lines = f.form.Memo1->lines();
        QCOMPARE(lines.size(), 5000);
        QCOMPARE(lines.first(), QStringLiteral("2"));
        QCOMPARE(lines.last(), QStringLiteral("5001"));
    }

    void captionsWithoutNames()
    {
        StatusFixture f;
        f.form.inputs[4].panel->setCaption(QStringLiteral("stale"));
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        // Showing re-captions from the names held: none yet.
        QCOMPARE(f.form.inputs[4].panel->caption(), QStringLiteral("IN5"));
        f.form.hide();
    }

    void receiversLeaveWithTheWindow()
    {
        DeviceLink link;
        TFormEventlistShort list(link);
        {
            TFormStatus form(link, list);
            QVERIFY(link.dispatcher().receivers.statusReport);
            QVERIFY(link.dispatcher().receivers.lastEvents);
            QVERIFY(link.dispatcher().receivers.moduleMessage);
        }
        QVERIFY(!link.dispatcher().receivers.statusReport);
        QVERIFY(!link.dispatcher().receivers.lastEvents);
        QVERIFY(!link.dispatcher().receivers.moduleMessage);
        link.dispatcher().HandleReply(StatusLine(1));
    }
};

QTEST_MAIN(TestStatusWindow)
#include "tst_monitor_statuswindow.moc"
