// The radio device window: reports painted while hidden, teaching and
// deleting against the simulated module with their silent ticks, the
// refusals, the module's refusal over a modem call, and opening from the main
// window.
#include "LinkedModule.h"
#include "RadioTestLines.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "maint/RadioSlotPanel.h"
#include "maint/TFormRF.h"
#include "mainwin/TForm1.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kTeachQuestion = QStringLiteral("Biztosan el szeretné indítani a tanítást?");
const QString kDeleteQuestion = QStringLiteral(
    "A rádiós eszközök törlése után egyesével újra kell tanítania mindegyiket. Törli az eszközöket?");
const QString kDeleteConfirmation = QStringLiteral("Biztosan törölni szeretné az összes rádiós eszközt?");
const QString kRefusedOverCall =
    QStringLiteral("A rádiós eszközök tanítása és törlése telefonos kapcsolaton keresztül nem engedélyezett, "
                   "csak közvetlen soros kapcsolat esetén");
const QString kNoSerialLink = QStringLiteral(" Nincs soros kapcsolat.");
const QString kBusy = QStringLiteral("Egy másik művelet folyamatban van.");
const QByteArray kRPWF = "RPWFEDCB00"; // with the code 1234

QRgb buttonFace()
{
    return QApplication::palette().color(QPalette::Button).rgb();
}

// A slot's text and panel colour.
struct Shown
{
    QString text;
    QRgb colour;
    friend bool operator==(const Shown&, const Shown&) = default;
};

// The window on a simulated module; records what each RFTimer tick left.
struct RadioFixture
{
    explicit RadioFixture(const SimulatorSettings& settings = {})
        : m(settings)
    {
        QObject::connect(form.RFTimer, &QTimer::timeout, &form, [this] {
            pauses << form.pauseTicks;
            messagesAtTick << prompter.messages.size();
            int enabled = form.btRFDeleteAll->isEnabled() ? 1 : 0;
            for (const RadioSlotPanel* panel : form.slotPanels)
                enabled += panel->teach->isEnabled() ? 1 : 0;
            operationButtonsEnabled << enabled;
        });
    }

    LinkedModule m;
    ScriptedPrompter prompter;
    TFormRF form{m.link};
    QList<int> pauses;
    QList<qsizetype> messagesAtTick;
    // The teach and delete-all buttons enabled at each tick.
    QList<int> operationButtonsEnabled;

    RadioSlotPanel* panel(const QString& name) const { return form.findChild<RadioSlotPanel*>(name); }
    QPushButton* button(const QString& name) const { return form.findChild<QPushButton*>(name); }
    Shown shown(const QString& panelName) const
    {
        const RadioSlotPanel* p = panel(panelName);
        return {p->state->text(), p->colour().rgb()};
    }

    // Opens the window, presses `pressed` right after tick `pressAt` (0: at
    // once) and closes it once `enough` holds after a tick, or after 200 ticks.
    void run(QPushButton* pressed, int pressAt, const std::function<bool()>& enough)
    {
        int ticks = 0;
        const auto press = [this, pressed] { QTest::mouseClick(pressed, Qt::LeftButton); };
        const auto connection = QObject::connect(form.RFTimer, &QTimer::timeout, &form, [&] {
            ++ticks;
            if (ticks == pressAt)
                QTimer::singleShot(0, &form, press);
            if (ticks == 200)
                form.RFTimer->stop(); // also ends a wait that would never end
            if (enough() || ticks == 200)
                form.btCloseClick();
        });
        if (pressAt == 0)
            QTimer::singleShot(0, &form, press);
        form.openModal();
        QObject::disconnect(connection);
    }
};

// Consecutive repeats dropped, and the initial "." before the first report.
QList<Shown> changes(const QList<Shown>& seen)
{
    QList<Shown> result;
    for (const Shown& s : seen)
        if (s.text != QStringLiteral(".") && (result.isEmpty() || result.last() != s))
            result << s;
    return result;
}

QByteArrayList repeated(const QByteArray& line, qsizetype n)
{
    return QByteArrayList(n, line);
}

} // namespace

class TestRadioWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void reportsPaintedWhileHidden()
    {
        DeviceLink link;
        TFormRF form(link);
        const auto shown = [&form](const char* name) {
            const auto* p = form.findChild<RadioSlotPanel*>(QString::fromLatin1(name));
            return Shown{p->state->text(), p->colour().rgb()};
        };
        QCOMPARE(shown("PanelA1"), (Shown{".", buttonFace()}));
        QCOMPARE(form.lbRFval->text(), QStringLiteral("0"));

        // Slot 0 is IN1's device A, 10 IN11's A, 12 IN1's B, 23 IN12's B,
        // 24 user 1's remote (being taught), 35 user 12's.
        link.dispatcher().HandleReply(
            radioReport({{0, 0x01}, {10, 0x78}, {12, 0x05}, {23, 0x00}, {35, 0x80}, {36, 0x98}, {37, 42}}));
        QCOMPARE(shown("PanelA1"), (Shown{"OK.", qRgb(0, 128, 128)}));
        QCOMPARE(shown("PanelA11"), (Shown{"F", buttonFace()}));
        QCOMPARE(shown("PanelB1"), (Shown{"<7V", qRgb(255, 255, 0)}));
        QCOMPARE(shown("PanelB12"), (Shown{"-", buttonFace()}));
        QCOMPARE(shown("PanelU1"), (Shown{"Tanulás", qRgb(0, 0, 255)}));
        QCOMPARE(shown("PanelU12"), (Shown{"-", qRgb(255, 0, 0)}));
        QCOMPARE(form.lbRFval->text(), QStringLiteral("42"));
        QCOMPARE(form.pbRFTerero->value(), 42);
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("lbU12")), form.slotPanels[35]->state);

        // A report closed by another character changes nothing.
        QByteArray unclosed = radioReport({{37, 7}});
        unclosed[84] = '<';
        link.dispatcher().HandleReply(unclosed);
        QCOMPARE(shown("PanelA1"), (Shown{"OK.", qRgb(0, 128, 128)}));
        QCOMPARE(form.lbRFval->text(), QStringLiteral("42"));
    }

    void captions()
    {
        DeviceLink link;
        TFormRF form(link);
        QCOMPARE(form.windowTitle(), QStringLiteral("Rádiós eszközök tanítása"));
        QCOMPARE(form.gbSensors->title(), QStringLiteral(" Rádiós szenzorok "));
        QCOMPARE(form.gbRFUsers->title(), QStringLiteral(" Rádiós távvezérlők "));
        QCOMPARE(form.btRFDeleteAll->text(), QStringLiteral("Az összes rádiós eszköz törlése"));
        QCOMPARE(form.lbRFpower->text(), QStringLiteral("Az utolsó rádiós jelzés erőssége (0-63):"));
        QCOMPARE(form.btClose->text(), QStringLiteral("Ablak bezárása"));
        QStringList headers;
        for (const QLabel* label : form.findChildren<QLabel*>())
            if (label->objectName().isEmpty())
                headers << label->text();
        for (const char* header : {"IN1", "IN12", "1.Felh.", "12.Felh."})
            QVERIFY2(headers.contains(QString::fromUtf8(header)), header);
        QCOMPARE(headers.count(QStringLiteral("A")), 12);
        QCOMPARE(headers.count(QStringLiteral("B")), 12);
        int teachButtons = 0;
        for (const QPushButton* button : form.findChildren<QPushButton*>())
            teachButtons += button->text() == QStringLiteral("Tanítás") ? 1 : 0;
        QCOMPARE(teachButtons, 36);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // The outer size, frame included (the offscreen platform draws one).
        QTRY_COMPARE(form.frameGeometry().size(), QSize(767, 419));
    }

    void teach_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("panel");
        QTest::newRow("IN6 device A, Tag 6") << "btTeachA6" << QByteArray("TRF5EDCB00") << "PanelA6";
        QTest::newRow("IN11 device A, Tag 11") << "btTeachA11" << QByteArray("TRF:EDCB00") << "PanelA11";
        QTest::newRow("IN1 device B, Tag 13") << "btTeachB1" << QByteArray("TRF<EDCB00") << "PanelB1";
        QTest::newRow("user 12, Tag 36") << "btTeachUser12" << QByteArray("TRFSEDCB00") << "PanelU12";
    }

    void teach()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, line);
        QFETCH(QString, panel);
        RadioFixture f;
        f.m.sim.module().radio().setTeachDurationMs(300);
        f.prompter.answers = {true};
        QVERIFY(f.m.connect());
        QVERIFY(f.button(button));
        QCOMPARE(f.button(button)->property("Tag").toInt() - 1, line[3] - '0');

        QList<Shown> seen;
        const QMetaObject::Connection watch =
            QObject::connect(f.form.RFTimer, &QTimer::timeout, &f.form, [&] { seen << f.shown(panel); });
        f.run(f.button(button), 2, [&] { return f.shown(panel).text == QStringLiteral("OK."); });
        QObject::disconnect(watch);

        QCOMPARE(f.prompter.questions, QStringList{kTeachQuestion});
        QCOMPARE(f.prompter.messages, QStringList());
        QCOMPARE(changes(seen), (QList<Shown>{{"-", buttonFace()},
                                              {"Tanulás", qRgb(0, 0, 255)},
                                              {"OK.", qRgb(0, 128, 128)}}));
        // Two polls, one silent tick, the teach command, one more silent
        // tick, then polling again.
        QCOMPARE(f.pauses.mid(0, 4), (QList<int>{0, 0, 1, 1}));
        QCOMPARE(f.pauses.mid(4), QList<int>(f.pauses.size() - 4, 0));
        // All 37 off for the pause, on again after it.
        QCOMPARE(f.operationButtonsEnabled.mid(0, 4), (QList<int>{37, 37, 0, 0}));
        QCOMPARE(f.operationButtonsEnabled.mid(4), QList<int>(f.pauses.size() - 4, 37));
        QTRY_COMPARE(f.m.sim.receivedLines(),
                     repeated(kRPWF, 2) + QByteArrayList{line} + repeated(kRPWF, f.pauses.size() - 4));
        QVERIFY(!f.m.link.transactionRunning());
    }

    void deleteAll()
    {
        RadioFixture f;
        f.prompter.answers = {true, true};
        QVERIFY(f.m.connect());
        QList<Shown> seen;
        const QMetaObject::Connection watch =
            QObject::connect(f.form.RFTimer, &QTimer::timeout, &f.form, [&] { seen << f.shown("PanelA8"); });
        f.run(f.form.btRFDeleteAll, 2, [&] { return f.pauses.size() > 6 && f.shown("PanelA8").text == "-"; });
        QObject::disconnect(watch);

        QCOMPARE(f.prompter.questions, (QStringList{kDeleteQuestion, kDeleteConfirmation}));
        // The simulated module's demo device on IN8 is gone.
        QCOMPARE(changes(seen), (QList<Shown>{{"OK.", qRgb(0, 128, 128)}, {"-", buttonFace()}}));
        for (const RadioSlotPanel* panel : f.form.slotPanels)
            QCOMPARE(panel->state->text(), QStringLiteral("-"));
        // Two silent ticks before DLRF and two after.
        QCOMPARE(f.pauses.mid(0, 6), (QList<int>{0, 0, 2, 1, 2, 1}));
        QCOMPARE(f.pauses.mid(6), QList<int>(f.pauses.size() - 6, 0));
        QCOMPARE(f.operationButtonsEnabled.mid(0, 6), (QList<int>{37, 37, 0, 0, 0, 0}));
        QCOMPARE(f.operationButtonsEnabled.mid(6), QList<int>(f.pauses.size() - 6, 37));
        QTRY_COMPARE(f.m.sim.receivedLines(), repeated(kRPWF, 2) + QByteArrayList{"DLRFEDCB00"}
                                                  + repeated(kRPWF, f.pauses.size() - 6));
    }

    void refusedBeforeSending_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<bool>("otherTransaction");
        QTest::addColumn<QStringList>("questions");
        QTest::addColumn<QStringList>("messages");
        const QString teach = QStringLiteral("btTeachA1");
        const QString del = QStringLiteral("btRFDeleteAll");
        QTest::newRow("teach, port closed") << teach << QList<bool>{true} << false << false << QStringList()
                                            << QStringList{kNoSerialLink};
        QTest::newRow("teach, No") << teach << QList<bool>{false} << true << false << QStringList{kTeachQuestion}
                                   << QStringList();
        // Refused before the question: a Yes could not be kept.
        QTest::newRow("teach, another transaction waits")
            << teach << QList<bool>{true} << true << true << QStringList() << QStringList{kBusy};
        QTest::newRow("delete, port closed") << del << QList<bool>{true, true} << false << false << QStringList()
                                             << QStringList{kNoSerialLink};
        QTest::newRow("delete, first No") << del << QList<bool>{false, true} << true << false
                                          << QStringList{kDeleteQuestion} << QStringList();
        QTest::newRow("delete, second No") << del << QList<bool>{true, false} << true << false
                                           << QStringList{kDeleteQuestion, kDeleteConfirmation} << QStringList();
        QTest::newRow("delete, another transaction waits")
            << del << QList<bool>{true, true} << true << true << QStringList() << QStringList{kBusy};
    }

    void refusedBeforeSending()
    {
        QFETCH(QString, button);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, portOpen);
        QFETCH(bool, otherTransaction);
        QFETCH(QStringList, questions);
        QFETCH(QStringList, messages);
        RadioFixture f;
        f.prompter.answers.assign(answers.begin(), answers.end());
        QVERIFY(f.m.connect());
        if (!portOpen)
            f.m.link.serial().close();
        const auto transaction = otherTransaction ? f.m.link.beginTransaction() : std::nullopt;
        f.form.RFTimer->start();
        QTest::mouseClick(f.button(button), Qt::LeftButton);
        f.form.RFTimer->stop();

        QCOMPARE(f.prompter.questions, questions);
        QCOMPARE(f.prompter.messages, messages);
        QVERIFY(f.pauses.isEmpty());
        QCOMPARE(f.form.pauseTicks, 0);
        QTest::qWait(ticks::toMs(ticks::kPollPeriod));
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }

    // Another window's transaction holds the link: no poll goes out until
    // it ends.
    void noPollWhileAnotherTransactionRuns()
    {
        RadioFixture f;
        QVERIFY(f.m.connect());
        auto transaction = f.m.link.beginTransaction();
        f.form.RFTimer->start();
        QTRY_VERIFY(f.pauses.size() >= 3);
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
        transaction.reset();
        QTRY_VERIFY(!f.m.sim.receivedLines().isEmpty());
        f.form.RFTimer->stop();
        QCOMPARE(f.m.sim.receivedLines().first(), kRPWF);
    }

    void refusedOverModemCall_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("pause"); // set after the command
        QTest::newRow("teach") << "btTeachA1" << QByteArray("TRF0EDCB00") << 2;
        QTest::newRow("delete all") << "btRFDeleteAll" << QByteArray("DLRFEDCB00") << 3;
    }

    void refusedOverModemCall()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, line);
        QFETCH(int, pause);
        SimulatorSettings settings;
        settings.modem.enabled = true;
        settings.modem.connectDelayMs = 10;
        RadioFixture f(settings);
        f.prompter.answers = {true, true};
        QVERIFY(f.m.connect());
        f.m.link.serial().SendLine("ATD5551234");
        QTRY_VERIFY(f.m.link.flags().remoteConnected);
        f.m.link.codeTimer().stop(); // the call started it
        f.m.sim.clearReceivedLines();

        qsizetype arrivalTick = -1;
        // The monitor's last filled line is the one just received.
        MonitorLog& monitor = f.m.link.monitor();
        QObject::connect(&monitor, &MonitorLog::rowsInserted, &f.form, [&] {
            const QStringList lines = monitor.lines();
            if (lines.size() >= 2 && lines.at(lines.size() - 2) == QStringLiteral("RFTERR"))
                arrivalTick = f.pauses.size();
        });
        f.run(f.button(button), 0, [&] { return f.prompter.messages.size() == 1 && f.form.pauseTicks == 0; });

        QCOMPARE(f.m.received(line.left(3)), QByteArrayList{line});
        QCOMPARE(f.prompter.messages, QStringList{kRefusedOverCall});
        QVERIFY(!f.m.link.flags().radioTeachFailed);
        // Shown by the first tick after the refusal arrived, which neither
        // counts the pause down nor polls.
        QVERIFY(arrivalTick > 0);
        QCOMPARE(f.messagesAtTick.indexOf(1), arrivalTick);
        QCOMPARE(f.pauses.mid(arrivalTick, 2), (QList<int>{pause, pause - 1}));
        // The module kept its devices.
        QCOMPARE(f.m.sim.module().radio().state(7), 0x01);
    }

    void openedFromTheMainWindow()
    {
        QTemporaryDir configDir;
        qputenv("SENTROVA_CONFIG_DIR", configDir.path().toLocal8Bit());
        ScriptedPrompter prompter;
        DeviceLink link;
        TFormEventlistShort eventList(link);
        TFormStatus status(link, eventList);
        TFormRF radio(link);
        TForm1 main(link);
        main.setWindows({nullptr, &eventList, &status, nullptr, &radio, nullptr, nullptr});
        link.codeTimer().start();
        status.StatusTimer->start();
        // Refused while the window was closed: cleared, never shown.
        link.flags().radioTeachFailed = true;

        struct Running
        {
            bool radio, code, status, teachFailed;
            bool operator==(const Running&) const = default;
        };
        QList<Running> whileOpen;
        const auto connection = QObject::connect(radio.RFTimer, &QTimer::timeout, &radio, [&] {
            whileOpen << Running{radio.RFTimer->isActive(), link.codeTimer().isActive(),
                                 status.StatusTimer->isActive(), link.flags().radioTeachFailed};
            if (whileOpen.size() == 2)
                radio.btCloseClick();
        });
        QTest::mouseClick(main.btRFlearn, Qt::LeftButton);
        QObject::disconnect(connection);

        QCOMPARE(whileOpen, QList<Running>(2, Running{true, false, false, false}));
        QCOMPARE(prompter.messages, QStringList());
        QVERIFY(!radio.RFTimer->isActive());
        QVERIFY(link.codeTimer().isActive());
        QVERIFY(!status.StatusTimer->isActive());
    }
};

QTEST_MAIN(TestRadioWindow)
#include "tst_radiowindow.moc"
