// The short event list window downloading from the simulated module's line,
// and the names it hands to the status window.
#include "EventMemoryFixture.h"
#include "LinkedModule.h"
#include "ScriptedPrompter.h"
#include "TestTicks.h"

#include "link/LinkTexts.h"
#include "monitor/EventGrid.h"
#include "monitor/StatusPanels.h"
#include "monitor/TFormEventlistShort.h"
#include "monitor/TFormStatus.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using testmemory::BlockFault;

namespace {

const QByteArray kLogin = "RPWDEDCB00"; // code 1234

struct ListFixture
{
    LinkedModule m;
    ScriptedModule script{m.sim};
    ScriptedPrompter prompter;
    TFormEventlistShort form{m.link};

    ListFixture() { script.answerCode(QStringLiteral("1234"), "PWDOK"); }

    QStringList row(int r) const
    {
        QStringList cells;
        for (int c = 0; c < form.acgEvSh->columnCount(); ++c)
            cells << form.acgEvSh->cellText(r, c);
        return cells;
    }
    QList<QStringList> grid() const
    {
        QList<QStringList> rows;
        for (int r = 0; r < form.acgEvSh->rowCount(); ++r)
            rows << row(r);
        return rows;
    }
};

QStringList emptyRow(int serial)
{
    return QStringList{QString::number(serial)} << QStringList(13, QString());
}

} // namespace

class TestEventListWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void controls()
    {
        DeviceLink link;
        TFormEventlistShort form(link);
        QCOMPARE(form.windowTitle(), QStringLiteral("GSM-Sentrova  Rövid eseménylista"));
        QCOMPARE(form.acgEvSh->rowCount(), 90);
        QCOMPARE(form.acgEvSh->titles(),
                 (QStringList{"Sorszám", "Időpont", "Esemény", "Zóna / Felhasználó", "T1", "T2", "T3", "T4", "S1",
                              "S2", "S3", "S4", "Közp", "Státusz"}));
        QCOMPARE(form.acgEvSh->columnWidths(),
                 (QList<int>{54, 114, 157, 167, 20, 20, 20, 20, 20, 20, 20, 20, 32, 46}));
        // The first column is fixed: not selectable, unlike the others.
        QVERIFY(!(form.acgEvSh->item(0, 0)->flags() & Qt::ItemIsSelectable));
        QVERIFY(form.acgEvSh->item(0, 1)->flags() & Qt::ItemIsSelectable);
        QCOMPARE(form.btLoadEvents->text(), QStringLiteral("Eseménylista lekérdezése"));
        QCOMPARE(form.btLoadNames->text(), QStringLiteral("Zóna / Felhaszn. nevek letöltése"));
        QCOMPARE(form.btClose->text(), QStringLiteral("Ablak bezárása"));
        QVERIFY(TFormEventlistShort::IsBlankName(form.zoneNames()[0]));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.btClose, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void downloadFillsTheGrid_data()
    {
        QTest::addColumn<bool>("withNames");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("cells");
        const QStringList dashes(9, QStringLiteral("-"));
        auto targets = [&](int set) {
            QStringList t = dashes;
            t[set] = QStringLiteral("X");
            return t;
        };
        QTest::newRow("newest: user without names")
            << false << 0
            << (QStringList{"1", "03/15 - 08:05", "Élesítés Part.1  ", "3. "} << targets(0) << "Aktív");
        QTest::newRow("newest: user with its name")
            << true << 0
            << (QStringList{"1", "03/15 - 08:05", "Élesítés Part.1  ", "3.  Kovács"} << targets(0) << "Aktív");
        QTest::newRow("keypad zone") << false << 1
                                     << (QStringList{"2", "03/01 - 00:00", "IN1 Riasztás     ", "0. LCD-Kezelő"}
                                         << targets(1) << "STOP");
        QTest::newRow("system event") << false << 2
                                      << (QStringList{"3", "01/02 - 03:04", "Tesztjelentés    ", ""} << dashes
                                                                                                     << "OK.");
        QTest::newRow("wrapped to record 95: empty") << false << 3 << emptyRow(4);
        QTest::newRow("installer") << false << 4
                                   << (QStringList{"5", "02/10 - 11:12", "Kikapcs. Part.1  ", "13. Telepítő"}
                                       << dashes << "Késl.");
        QTest::newRow("zone with its name") << true << 5
                                            << (QStringList{"6", "02/05 - 06:07", "IN1 Visszaállás  ", "5.  Garázs    "}
                                                << targets(8) << "Aktív");
        QTest::newRow("last row is record 9") << false << 89
                                              << (QStringList{"90", "01/01 - 01:01", "AC rendben       ", ""}
                                                  << dashes << "OK.");
    }

    void downloadFillsTheGrid()
    {
        QFETCH(bool, withNames);
        QFETCH(int, row);
        QFETCH(QStringList, cells);
        ListFixture f;
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        testmemory::serveNames(f.script, testmemory::sampleNames());
        QVERIFY(f.m.connect());
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);
        if (withNames)
            QTest::mouseClick(f.form.btLoadNames, Qt::LeftButton);
        QCOMPARE(f.row(row), cells);
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.form.StatusBarEventListShort->currentMessage(),
                 withNames ? QStringLiteral("Zóna és Felhasználói nevek letöltve.")
                           : QStringLiteral("Eseménylista letöltve."));
    }

    void failedDownloadLeavesTheGrid_data()
    {
        QTest::addColumn<QByteArray>("loginReply");
        QTest::addColumn<BlockFault>("fault");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("blocksRequested");
        QTest::newRow("second block numbered 2") << QByteArray("PWDOK") << BlockFault{BlockFault::WrongNumber, 1}
                                                 << QStringList() << 2;
        QTest::newRow("login refused") << QByteArray("PWDERR") << BlockFault{}
                                       << QStringList{text::wrongInstallerCode} << 0;
    }

    void failedDownloadLeavesTheGrid()
    {
        QFETCH(QByteArray, loginReply);
        QFETCH(BlockFault, fault);
        QFETCH(QStringList, messages);
        QFETCH(int, blocksRequested);
        ListFixture f;
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        QVERIFY(f.m.connect());
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);
        const auto before = f.grid();
        QCOMPARE(before[0][2], QStringLiteral("Élesítés Part.1  "));

        f.m.sim.clearReceivedLines();
        f.script.answer(kLogin, {loginReply});
        testmemory::serveEvents(f.script, testmemory::otherEvents(), fault);
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);

        QCOMPARE(f.form.StatusBarEventListShort->currentMessage(), QStringLiteral("Leolvasás sikertelen."));
        QCOMPARE(f.prompter.messages, messages);
        QCOMPARE(f.grid(), before);
        QCOMPARE(f.m.sim.receivedLines(), QByteArrayList{kLogin} + testmemory::requests(0xF000, blocksRequested));
        QVERIFY(f.form.btLoadEvents->isEnabled());
        QVERIFY(!f.m.link.transactionRunning());
    }

    void portClosedOrLinkBusy_data()
    {
        QTest::addColumn<bool>("portOpen");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("status");
        QTest::newRow("port closed") << false << QStringList{text::noSerialLink} << QString();
        QTest::newRow("another transaction") << true << QStringList() << text::otherTransactionRunning;
    }

    void portClosedOrLinkBusy()
    {
        QFETCH(bool, portOpen);
        QFETCH(QStringList, messages);
        QFETCH(QString, status);
        for (QPushButton* TFormEventlistShort::*button :
             {&TFormEventlistShort::btLoadEvents, &TFormEventlistShort::btLoadNames}) {
            ListFixture f;
            QVERIFY(f.m.connect());
            if (!portOpen)
                f.m.link.serial().close();
            const auto other = f.m.link.beginTransaction();
            QTest::mouseClick(f.form.*button, Qt::LeftButton);
            QCOMPARE(f.prompter.messages, messages);
            QCOMPARE(f.form.StatusBarEventListShort->currentMessage(), status);
            QVERIFY(f.form.btLoadEvents->isEnabled());
            QTest::qWait(ticks::toMs(5));
            QCOMPARE(f.m.sim.receivedLines(), QByteArrayList());
        }
    }

    // While one download waits, the other's button is off: a click there
    // neither re-enables the running one's button nor overwrites its texts.
    void oneDownloadAtATime()
    {
        ListFixture f; // the event blocks go unanswered
        QVERIFY(f.m.connect());
        QList<bool> enabled;
        QTimer::singleShot(10 * kTestTickMs, &f.form, [&] {
            QTest::mouseClick(f.form.btLoadNames, Qt::LeftButton);
            enabled << f.form.btLoadEvents->isEnabled() << f.form.btLoadNames->isEnabled();
        });
        QStringList texts;
        QObject::connect(f.form.StatusBarEventListShort, &QStatusBar::messageChanged, &f.form,
                         [&texts](const QString& text) { texts << text; });
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);
        QCOMPARE(enabled, (QList<bool>{false, false}));
        QCOMPARE(texts, (QStringList{"Eseménylista letöltése...", "Leolvasás sikertelen."}));
        QVERIFY(f.form.btLoadEvents->isEnabled() && f.form.btLoadNames->isEnabled());
    }

    // The names download's texts in this window's status bar, with the
    // events button disabled throughout.
    void namesDownloadTextsAndButton()
    {
        ListFixture f;
        testmemory::serveNames(f.script, testmemory::sampleNames());
        QVERIFY(f.m.connect());
        QStringList texts;
        QList<bool> buttonEnabled;
        QObject::connect(f.form.StatusBarEventListShort, &QStatusBar::messageChanged, &f.form,
                         [&](const QString& text) {
                             texts << text;
                             buttonEnabled << f.form.btLoadEvents->isEnabled();
                         });
        QTest::mouseClick(f.form.btLoadNames, Qt::LeftButton);
        QCOMPARE(texts,
                 (QStringList{"Zóna és Felhasználói nevek letöltése...", "Zóna és Felhasználói nevek letöltése 0...",
                              "Zóna és Felhasználói nevek letöltése 1...", "Zóna és Felhasználói nevek letöltése 2...",
                              "Zóna és Felhasználói nevek letöltve."}));
        QCOMPARE(buttonEnabled, QList<bool>(5, false));
        QVERIFY(f.form.btLoadEvents->isEnabled());
        QCOMPARE(f.form.zoneNames()[0], QStringLiteral(" Bejárat   "));
        QCOMPARE(f.form.userNames()[2], QStringLiteral(" Kovács"));
        // The grid is refilled from the all-zero event memory: empty rows.
        QCOMPARE(f.row(0), emptyRow(1));
        QCOMPARE(f.row(89), emptyRow(90));
    }

    // The list the grid shows, as CSV: trimmed fields, only the rows that
    // hold an event. Not before a list was read, not while a download runs,
    // and after a failed download still the list the grid shows.
    void savesTheShownListAsCsv()
    {
        ListFixture f;
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        QVERIFY(f.m.connect());
        QCOMPARE(f.form.btSaveCsv->text(), QStringLiteral("Mentés CSV fájlba…"));
        QVERIFY(!f.form.btSaveCsv->isEnabled());
        QList<bool> enabledWhileRunning;
        QObject::connect(f.form.StatusBarEventListShort, &QStatusBar::messageChanged, &f.form,
                         [&] { enabledWhileRunning << f.form.btSaveCsv->isEnabled(); });
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);
        QCOMPARE(enabledWhileRunning, QList<bool>(6, false));
        QVERIFY(f.form.btSaveCsv->isEnabled());

        // A download that fails after its first block leaves that block in
        // the download's buffer, not in the grid.
        testmemory::serveEvents(f.script, testmemory::otherEvents(), BlockFault{BlockFault::WrongNumber, 1});
        enabledWhileRunning.clear();
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);
        QCOMPARE(f.form.StatusBarEventListShort->currentMessage(), QStringLiteral("Leolvasás sikertelen."));
        QCOMPARE(enabledWhileRunning, QList<bool>(3, false));
        QVERIFY(f.form.btSaveCsv->isEnabled());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lista.csv"));
        f.prompter.files.push_back(path);
        QTest::mouseClick(f.form.btSaveCsv, Qt::LeftButton);
        QCOMPARE(f.prompter.filters, QStringList{QStringLiteral("CSV fájl (*.csv)")});
        QVERIFY(f.prompter.errors.isEmpty());
        QCOMPARE(f.form.StatusBarEventListShort->currentMessage(), "Eseménylista mentve: " + path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n")),
                 (QStringList{"Sorszám,Időpont,Esemény,Zóna / Felhasználó,T1,T2,T3,T4,S1,S2,S3,S4,Közp,Státusz",
                              "1,03/15 - 08:05,Élesítés Part.1,3.,X,-,-,-,-,-,-,-,-,Aktív",
                              "2,03/01 - 00:00,IN1 Riasztás,0. LCD-Kezelő,-,X,-,-,-,-,-,-,-,STOP",
                              "3,01/02 - 03:04,Tesztjelentés,,-,-,-,-,-,-,-,-,-,OK.",
                              "5,02/10 - 11:12,Kikapcs. Part.1,13. Telepítő,-,-,-,-,-,-,-,-,-,Késl.",
                              "6,02/05 - 06:07,IN1 Visszaállás,5.,-,-,-,-,-,-,-,-,X,Aktív",
                              "90,01/01 - 01:01,AC rendben,,-,-,-,-,-,-,-,-,-,OK.", ""}));
        // The grid keeps its own texts.
        QCOMPARE(f.row(0)[2], QStringLiteral("Élesítés Part.1  "));
    }

    // Cancelling the dialog saves nothing; a file that cannot be written is
    // reported and no success is claimed.
    void saveCancelledOrFailed()
    {
        ListFixture f;
        testmemory::serveEvents(f.script, testmemory::sampleEvents());
        QVERIFY(f.m.connect());
        QTest::mouseClick(f.form.btLoadEvents, Qt::LeftButton);
        QTemporaryDir dir;
        QTest::mouseClick(f.form.btSaveCsv, Qt::LeftButton);
        QCOMPARE(f.prompter.filters.size(), 1);
        QVERIFY(f.prompter.errors.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());

        const QString path = dir.filePath(QStringLiteral("nincs/lista.csv"));
        f.prompter.files.push_back(path);
        QTest::mouseClick(f.form.btSaveCsv, Qt::LeftButton);
        // The file layer's text names the file, then the system's reason.
        QCOMPARE(f.prompter.errors.size(), 1);
        QVERIFY2(f.prompter.errors.first().startsWith("A fájl nem írható: " + path + u'\n'),
                 qPrintable(f.prompter.errors.first()));
        QCOMPARE(f.form.StatusBarEventListShort->currentMessage(), QStringLiteral("Eseménylista letöltve."));
    }

    void statusWindowCaptionsFromNames_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<QString>("caption");
        QTest::newRow("stored name keeps its blanks") << 1 << " Bejárat   ";
        QTest::newRow("all zero: blank") << 2 << "IN2";
        QTest::newRow("zero byte inside skipped") << 3 << " Abc      ";
        QTest::newRow("only blanks") << 4 << "IN4";
        QTest::newRow("not stored") << 12 << "IN12";
    }

    void statusWindowCaptionsFromNames()
    {
        QFETCH(int, input);
        QFETCH(QString, caption);
        ListFixture f;
        testmemory::serveNames(f.script, testmemory::sampleNames());
        QVERIFY(f.m.connect());
        TFormStatus status(f.m.link, f.form);
        QStringList texts;
        QObject::connect(status.StatusBar1, &QStatusBar::messageChanged, &status,
                         [&](const QString& text) { texts << text; });
        QList<int> holds;
        QObject::connect(status.StatusTimer, &QTimer::timeout, &status,
                         [&] { holds << status.poll().pollHold(); });
        QTimer::singleShot(0, &status, [&] {
            QTest::mouseClick(status.btLoadZoneNames, Qt::LeftButton);
            status.btCloseClick();
        });
        status.openModal();

        QCOMPARE(status.inputs[std::size_t(input - 1)].panel->caption(), caption);
        QCOMPARE(texts, (QStringList{"Zóna és Felhasználói nevek letöltése..",
                                     "Zóna és Felhasználói nevek letöltése...",
                                     "Zóna és Felhasználói nevek letöltése 0...",
                                     "Zóna és Felhasználói nevek letöltése 1...",
                                     "Zóna és Felhasználói nevek letöltése 2...",
                                     "Zóna és Felhasználói nevek letöltve.", ""}));
        // A quiet line of five ticks, the code, then the download; no polls.
        QCOMPARE(holds.mid(0, 5), (QList<int>{5, 4, 3, 2, 1}));
        QCOMPARE(holds.mid(5), QList<int>(holds.size() - 5, 1));
        QCOMPARE(f.m.sim.receivedLines(), (QByteArrayList{kLogin, kLogin, "RDFL0000", "RDFL0001", "RDFL0002"}));
        QCOMPARE(status.poll().pollHold(), 0);
        QVERIFY(status.btLoadZoneNames->isEnabled());
        QCOMPARE(f.form.zoneNames()[0], QStringLiteral(" Bejárat   "));
    }

    void namesFromTheSimulatedModule()
    {
        // The simulator's own protocol and demo parameters, no script.
        ScriptedPrompter prompter;
        LinkedModule m;
        QVERIFY(m.connect());
        TFormEventlistShort list(m.link);
        TFormStatus status(m.link, list);
        QTest::mouseClick(list.btLoadNames, Qt::LeftButton);
        QCOMPARE(list.StatusBarEventListShort->currentMessage(),
                 QStringLiteral("Zóna és Felhasználói nevek letöltve."));
        QCOMPARE(list.zoneNames()[0], QStringLiteral(" Bejárat   "));
        QCOMPARE(list.zoneNames()[11], QStringLiteral(" Pánikgomb "));
        QCOMPARE(list.userNames()[0], QStringLiteral(" Kovács Pál"));
        QVERIFY(TFormEventlistShort::IsBlankName(list.userNames()[10]));
        status.RefreshInputCaptions();
        QCOMPARE(status.inputs[0].panel->caption(), QStringLiteral(" Bejárat   "));
        QCOMPARE(status.inputs[10].panel->caption(), QStringLiteral(" Füstjelző "));
        QVERIFY(prompter.messages.isEmpty());
    }
};

QTEST_MAIN(TestEventListWindow)
#include "tst_monitor_eventlistwindow.moc"
