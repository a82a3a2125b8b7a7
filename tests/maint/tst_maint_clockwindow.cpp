// The clock window reading and setting the simulated module's clock.
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "maint/TFormClock.h"

#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

enum class Module { Good, RefusesCode, BadChecksum, WrongBlock, RefusesWrite, PortClosed };

struct ClockFixture
{
    explicit ClockFixture(Module kind)
        : m(settings(kind))
    {
        if (kind == Module::RefusesWrite) {
            // Answers the login and refuses every frame written.
            m.sim.module().faults().silent = true;
            QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &m.sim, [this](const QByteArray& line) {
                if (line.startsWith("RPWD"))
                    m.sim.sendLine("PWDOK");
                else if (line.size() == 540)
                    m.sim.sendLine("WRFLERR");
            });
        }
        if (kind != Module::PortClosed)
            connected = m.connect();
        else
            connected = true;
    }

    static SimulatorSettings settings(Module kind)
    {
        SimulatorSettings s;
        s.live = false;
        s.faults.refuseCode = kind == Module::RefusesCode;
        s.faults.badChecksum = kind == Module::BadChecksum;
        s.faults.wrongBlock = kind == Module::WrongBlock;
        return s;
    }

    // The line that followed "WRFL".
    QByteArray writtenFrame() const
    {
        const QList<QByteArray>& lines = m.sim.receivedLines();
        const qsizetype at = lines.indexOf("WRFL");
        return at >= 0 && at + 1 < lines.size() ? lines[at + 1] : QByteArray();
    }

    LinkedModule m;
    ScriptedPrompter prompter;
    TFormClock form{m.link};
    bool connected = false;
};

} // namespace

Q_DECLARE_METATYPE(Module)

class TestClockWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void controls()
    {
        DeviceLink link;
        TFormClock form(link);
        QCOMPARE(form.windowTitle(), QStringLiteral("GSM-Sentrova - Óra ellenőrzése / beállítása"));
        QCOMPARE(form.size(), QSize(374, 178));
        QCOMPARE(form.btReadClock->text(), QStringLiteral("Dátum és idő leolvasása a modulról"));
        QCOMPARE(form.btSetTime->text(), QStringLiteral("A modul órájának beállítása a számítógép órája alapján"));
        QCOMPARE(form.btClose->text(), QStringLiteral("Ablak bezárása"));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.btClose, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void readClock()
    {
        ClockFixture f(Module::Good);
        QVERIFY(f.connected);
        f.m.sim.module().live().clock().set(QDateTime(QDate(2024, 3, 5), QTime(7, 9, 10)));
        f.form.StatusBar1->showMessage(QStringLiteral("before"));
        QTest::mouseClick(f.form.btReadClock, Qt::LeftButton);
        QCOMPARE(f.prompter.messages, QStringList{QStringLiteral("A modul órája: 24/03/05 - 07:09")});
        QCOMPARE(f.form.StatusBar1->currentMessage(), QString());
        QCOMPARE(f.m.received("RDFL"), QByteArrayList{"RDFLFFFE"});
        QVERIFY(f.form.btReadClock->isEnabled());
    }

    void setClock()
    {
        ClockFixture f(Module::Good);
        QVERIFY(f.connected);
        f.form.setTimeSource([] { return QDateTime(QDate(2031, 1, 2), QTime(0, 5, 42)); });
        QTest::mouseClick(f.form.btSetTime, Qt::LeftButton);
        QCOMPARE(f.form.StatusBar1->currentMessage(), QStringLiteral("Az óra beállítva."));
        QCOMPARE(f.writtenFrame(), "1F01020005" + QByteArray(2 * 259, '0') + "FFFE" "00008196");
        const BlockBytes clock = f.m.sim.module().live().clock().block();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(clock.data()), 5), QByteArray::fromHex("1F01020005"));
        QVERIFY(f.prompter.messages.isEmpty());
        QVERIFY(f.form.btSetTime->isEnabled());
    }

    // While one of the two waits, the other button is off; a click that
    // comes while another window's transaction holds the link is refused and
    // changes nothing but the status text.
    void oneTransactionAtATime()
    {
        ClockFixture f(Module::Good);
        QVERIFY(f.connected);
        f.m.sim.module().faults().silent = true;
        QList<bool> setEnabledWhileReading;
        QTimer::singleShot(5 * kTestTickMs, &f.form, [&] {
            setEnabledWhileReading << f.form.btSetTime->isEnabled();
            QTest::mouseClick(f.form.btSetTime, Qt::LeftButton);
            setEnabledWhileReading << f.form.btReadClock->isEnabled();
        });
        QStringList texts;
        QObject::connect(f.form.StatusBar1, &QStatusBar::messageChanged, &f.form,
                         [&texts](const QString& t) { texts << t; });
        QTest::mouseClick(f.form.btReadClock, Qt::LeftButton);
        QCOMPARE(setEnabledWhileReading, (QList<bool>{false, false}));
        QCOMPARE(texts.first(), QStringLiteral("Óra lekérdezése..."));
        QVERIFY(!texts.contains(QStringLiteral("Egy másik művelet folyamatban van.")));
        QCOMPARE(f.m.received("RPWD").size(), 1);

        const auto other = f.m.link.beginTransaction();
        f.m.sim.clearReceivedLines();
        for (QPushButton* button : {f.form.btReadClock, f.form.btSetTime}) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(f.form.StatusBar1->currentMessage(), QStringLiteral("Egy másik művelet folyamatban van."));
            QVERIFY(f.form.btReadClock->isEnabled() && f.form.btSetTime->isEnabled());
        }
        QTest::qWait(5 * kTestTickMs);
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
    }

    void failures_data()
    {
        QTest::addColumn<bool>("setting");
        QTest::addColumn<Module>("module");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("status");
        const QString wrongCode = QStringLiteral(" Hibás telepítői azonosító!");
        const QString noLink = QStringLiteral(" Nincs soros kapcsolat.");
        const QString readFailed = QStringLiteral("Leolvasás sikertelen.");
        const QString setFailed = QStringLiteral("Hiba történt órabeállítás közben!");
        QTest::newRow("read: code refused") << false << Module::RefusesCode << QStringList{wrongCode} << readFailed;
        QTest::newRow("read: bad block") << false << Module::BadChecksum << QStringList{} << readFailed;
        // A good frame that carries block FFFF (the module answers FFFE + 1).
        QTest::newRow("read: another block number") << false << Module::WrongBlock << QStringList{} << readFailed;
        QTest::newRow("read: port closed") << false << Module::PortClosed << QStringList{noLink} << QString();
        QTest::newRow("set: code refused") << true << Module::RefusesCode << QStringList{wrongCode} << setFailed;
        QTest::newRow("set: WRFLERR") << true << Module::RefusesWrite << QStringList{} << setFailed;
        QTest::newRow("set: port closed") << true << Module::PortClosed << QStringList{noLink} << QString();
    }

    void failures()
    {
        QFETCH(bool, setting);
        QFETCH(Module, module);
        QFETCH(QStringList, messages);
        QFETCH(QString, status);
        ClockFixture f(module);
        QVERIFY(f.connected);
        QTest::mouseClick(setting ? f.form.btSetTime : f.form.btReadClock, Qt::LeftButton);
        QCOMPARE(f.prompter.messages, messages);
        QCOMPARE(f.form.StatusBar1->currentMessage(), status);
        // "WRFLERR" ends the wait at once: most of its 80 ticks are left.
        if (module == Module::RefusesWrite)
            QVERIFY(f.m.link.countdown().value() > 40);
        QVERIFY(f.form.btReadClock->isEnabled() && f.form.btSetTime->isEnabled());
    }
};

QTEST_MAIN(TestClockWindow)
#include "tst_maint_clockwindow.moc"
