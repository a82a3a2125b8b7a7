#include "DemoMemory.h"
#include "EventCodes.h"
#include "LiveActivity.h"
#include "ModuleProtocol.h"

#include "FrameText.h"

#include <QSet>
#include <QTest>

namespace {

using Replies = ModuleProtocol::Replies;
using frametext::frame;
using frametext::repeated;

// Command lines with the demo code 1234 ("EDCB00") or a wrong one, 999999.
QByteArray lineFor(const char* word, const char* code = "EDCB00")
{
    return QByteArray(word) + code;
}
const char* const kWrongCode = "666666";

// The 270 bytes of a block read after logging in; empty when none came.
QByteArray readBlock(ModuleProtocol& module, const char* request)
{
    module.handleLine(lineFor("RPWD"));
    const Replies replies = module.handleLine(request);
    if (replies.size() != 1 || replies[0].size() != 544)
        return {};
    return QByteArray::fromHex(replies[0].mid(4));
}

// Blocks F000..F003 as the short event list downloads them.
QByteArray eventMemory(ModuleProtocol& module)
{
    QByteArray bytes;
    for (const char* request : {"RDFLF000", "RDFLF001", "RDFLF002", "RDFLF003"}) {
        const QByteArray f = readBlock(module, request);
        bytes.append(f.left(256));
        const QByteArray address = f.mid(264, 2).toHex().toUpper();
        if (address != QByteArray(request + 4))
            qWarning("%s answered with address %s", request, address.constData());
    }
    return bytes;
}

LoggedEvent newest(const ModuleProtocol& module)
{
    return module.live().events().newest(1).front();
}

int number(const LoggedEvent& record)
{
    return record.bytes[1] & 0x0F;
}

} // namespace

class LiveModuleTest : public QObject
{
    Q_OBJECT
private slots:
    void eventCodes_data();
    void eventCodes();
    void wrongCodeChangesNothing_data();
    void wrongCodeChangesNothing();
    void armingShowsInNextReport_data();
    void armingShowsInNextReport();
    void alarmStop();
    void disarmingSilencesItsZones();
    void lastEventsNewestFirst();
    void eventMemoryBlocks();
    void historyAtStart();
    void clockRead();
    void clockWrite_data();
    void clockWrite();
    void routineMessageEveryTenthPoll();
    void activityFollowsItsSeed();
};

void LiveModuleTest::eventCodes_data()
{
    // Codes of the event catalogue: 1 "IN1 Riasztás", 24 "IN12 Visszaállás",
    // 25 "Szabotázs", 28 "Élesítés Part.2", 29 "Kikapcs. Part.1",
    // 31 "Tesztjelentés", 32 "AC hiba", 35 "Akku rendben", 42 "Óra beállítva",
    // 43 "Programozták", 45 "Térerő rendben".
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("expected");
    QTest::newRow("IN1 alarm") << int(eventcode::inputAlarm(1)) << 1;
    QTest::newRow("IN12 restore") << int(eventcode::inputRestore(12)) << 24;
    QTest::newRow("tamper") << int(eventcode::kTamper) << 25;
    QTest::newRow("arm 2") << int(eventcode::armed(2)) << 28;
    QTest::newRow("disarm 1") << int(eventcode::disarmed(1)) << 29;
    QTest::newRow("test report") << int(eventcode::kTestReport) << 31;
    QTest::newRow("mains fault") << int(eventcode::kMainsFault) << 32;
    QTest::newRow("battery restored") << int(eventcode::kBatteryRestored) << 35;
    QTest::newRow("clock set") << int(eventcode::kClockSet) << 42;
    QTest::newRow("programmed") << int(eventcode::kProgrammed) << 43;
    QTest::newRow("signal restored") << int(eventcode::kSignalRestored) << 45;
}

void LiveModuleTest::eventCodes()
{
    QFETCH(int, code);
    QFETCH(int, expected);
    QCOMPARE(code, expected);
}

void LiveModuleTest::wrongCodeChangesNothing_data()
{
    QTest::addColumn<QByteArray>("word");
    for (const char* word : {"RPWS", "RPWE", "RSTP", "PT1A", "PT2A", "PT1D", "PT2D"})
        QTest::newRow(word) << QByteArray(word);
}

void LiveModuleTest::wrongCodeChangesNothing()
{
    QFETCH(QByteArray, word);
    ModuleProtocol module(demoParameterMemory());
    module.live().arm(2);
    module.live().tripInput(7);
    module.live().takeMessages();
    const QByteArray before = eventMemory(module);
    QCOMPARE(module.handleLine(lineFor(word, kWrongCode)), Replies{"PWDERR"});
    QCOMPARE(eventMemory(module), before);
    QVERIFY(!module.live().armed(1));
    QVERIFY(module.live().armed(2));
    QVERIFY(module.live().alarmRunning());

    module.faults().refuseCode = true;
    QCOMPARE(module.handleLine(lineFor(word)), Replies{"PWDERR"});
}

void LiveModuleTest::armingShowsInNextReport_data()
{
    QTest::addColumn<int>("partition");
    QTest::addColumn<QByteArray>("arm");
    QTest::addColumn<QByteArray>("disarm");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("armedCode");
    QTest::addColumn<int>("disarmedCode");
    QTest::newRow("partition 1") << 1 << QByteArray("PT1A") << QByteArray("PT1D")
                                 << QByteArray("AT_/\xC9les\xEDtve: 1. part\xED" "ci\xF3") << 27 << 29;
    QTest::newRow("partition 2") << 2 << QByteArray("PT2A") << QByteArray("PT2D")
                                 << QByteArray("AT_/\xC9les\xEDtve: 2. part\xED" "ci\xF3") << 28 << 30;
}

void LiveModuleTest::armingShowsInNextReport()
{
    QFETCH(int, partition);
    QFETCH(QByteArray, arm);
    QFETCH(QByteArray, disarm);
    QFETCH(QByteArray, message);
    QFETCH(int, armedCode);
    QFETCH(int, disarmedCode);
    ModuleProtocol module(demoParameterMemory());
    const auto armedFlag = [&] { return module.handleLine(lineFor("RPWS")).first()[78 + partition]; };
    QCOMPARE(armedFlag(), '0');

    QCOMPARE(module.handleLine(lineFor(arm)), Replies{message});
    QCOMPARE(armedFlag(), '1');
    QCOMPARE(newest(module).code(), armedCode);
    QCOMPARE(number(newest(module)), 13); // the installer
    const int index = module.live().events().newestIndex();
    // Arming again changes nothing.
    QCOMPARE(module.handleLine(lineFor(arm)), Replies{});
    QCOMPARE(module.live().events().newestIndex(), index);

    module.handleLine(lineFor(disarm));
    QCOMPARE(armedFlag(), '0');
    QCOMPARE(newest(module).code(), disarmedCode);
    QCOMPARE(number(newest(module)), 13);
    QCOMPARE(module.live().armed(3 - partition), false);
}

void LiveModuleTest::alarmStop()
{
    ModuleProtocol module(demoParameterMemory());
    module.handleLine(lineFor("PT1A"));
    module.live().tripInput(3); // "Nappali", DEOL, partition 1
    // IN3 alarm (code 5), zone 3, to T1 and S1 and the central station.
    const int alarmIndex = module.live().events().newestIndex();
    const LoggedEvent alarm = newest(module);
    QCOMPARE(alarm.code(), 5);
    QCOMPARE(number(alarm), 3);
    QCOMPARE(alarm.bytes[6], 0x11);
    QCOMPARE(alarm.bytes[7], 0x01);
    // IN3's loop (index 39) at 2k, OUT1 (69) and OUT2 (70) on.
    QByteArray report = module.handleLine(lineFor("RPWS")).first();
    QCOMPARE(report.mid(39, 1) + report.mid(69, 2), QByteArray("211"));

    const Replies replies = module.handleLine(lineFor("RSTP"));
    QCOMPARE(replies.first(), QByteArray("PWDOK"));
    QVERIFY(replies.contains("AT_/Riaszt\xE1sok le\xE1ll\xEDtva"));
    report = module.handleLine(lineFor("RPWS")).first();
    QCOMPARE(report.mid(39, 1) + report.mid(69, 2), QByteArray("100"));
    QCOMPARE(newest(module).code(), 6); // IN3 restore
    // The reports still pending are marked stopped: bit 1 of byte 7.
    QCOMPARE(module.live().events().record(alarmIndex).bytes[7], 0x03);
    QVERIFY(module.live().armed(1));

    QCOMPARE(module.handleLine(lineFor("RSTP", kWrongCode)), Replies{"PWDERR"});
}

void LiveModuleTest::disarmingSilencesItsZones()
{
    ModuleProtocol module(demoParameterMemory());
    module.live().arm(2);
    module.live().tripInput(6); // "Garázs", partition 2
    QVERIFY(module.live().outputs().out1);
    module.live().disarm(1);
    QVERIFY(module.live().outputs().out1);
    module.live().disarm(2);
    QVERIFY(!module.live().outputs().out1);
    QVERIFY(!module.live().alarmRunning());
    // Disarmed, a detector only shows; it logs nothing.
    const int index = module.live().events().newestIndex();
    module.live().restoreInput(6); // its alarm was logged, so its restore is too
    module.live().tripInput(5);
    module.live().restoreInput(5);
    QCOMPARE(module.live().events().newestIndex(), index + 1);
}

void LiveModuleTest::lastEventsNewestFirst()
{
    ModuleProtocol module(demoParameterMemory());
    module.live().clock().set(QDateTime(QDate(2024, 3, 5), QTime(7, 9)));
    module.handleLine(lineFor("PT1A"));
    module.live().setMains(false);
    const QByteArray line = module.handleLine(lineFor("RPWE")).first();
    QCOMPARE(line.size(), 4 + 8 * 16);
    // The mains fault (to S1), then partition 1 armed by the installer (13,
    // for the central station), then the history.
    QCOMPARE(line.left(36), QByteArray("AT_{" "2030050709001000" "1B3D050709000001"));
}

void LiveModuleTest::eventMemoryBlocks()
{
    ModuleProtocol module(demoParameterMemory());
    const int start = module.live().events().newestIndex();
    QByteArray memory = eventMemory(module);
    QCOMPARE(memory.size(), 1024);
    QCOMPARE(int(std::uint8_t(memory[768])), start);
    QCOMPARE(memory.mid(769), QByteArray(255, '\0'));

    // Past the end of the ring the newest index wraps.
    for (int i = 0; i < 70; ++i)
        module.live().setMains(i % 2 == 1);
    memory = eventMemory(module);
    const int newestIndex = (start + 70) % 96;
    QCOMPARE(int(std::uint8_t(memory[768])), newestIndex);
    // Mains restored (33) newest, the mains fault (32) before it.
    QCOMPARE(int(memory[8 * newestIndex]), 33);
    QCOMPARE(int(memory[8 * ((newestIndex + 95) % 96)]), 32);

    // Without a session the memory is not read.
    module.handleLine(lineFor("RPWD", kWrongCode));
    QCOMPARE(module.handleLine("RDFLF000"), Replies{"PWDERR"});
}

void LiveModuleTest::historyAtStart()
{
    ModuleProtocol module(demoParameterMemory());
    const EventMemory& events = module.live().events();
    const int count = events.newestIndex() + 1;
    QVERIFY2(count >= 24 && count < EventMemory::kRecords, qPrintable(QString::number(count)));
    const QDateTime now = module.live().clock().now();
    QDateTime previous = now.addDays(-8);
    for (int i = 0; i < EventMemory::kRecords; ++i) {
        const LoggedEvent& record = events.record(i);
        if (i >= count) {
            QCOMPARE(record.code(), 0);
            continue;
        }
        QVERIFY(record.code() >= 1 && record.code() <= 47);
        // Month, day and time of a past date near now: the year is the
        // one that puts the record before now.
        QDate date(now.date().year(), record.bytes[1] >> 4, record.bytes[2]);
        if (date > now.date())
            date = date.addYears(-1);
        const QDateTime when(date, QTime(record.bytes[3], record.bytes[4]));
        QVERIFY2(when >= previous && when < now, qPrintable(when.toString()));
        previous = when;
    }
}

void LiveModuleTest::clockRead()
{
    ModuleProtocol module(demoParameterMemory());
    module.live().clock().set(QDateTime(QDate(2024, 3, 5), QTime(7, 9)));
    module.handleLine(lineFor("RPWD"));
    // Year, month, day, hour, minute at FFFE, checksum 33189 least significant byte first.
    QCOMPARE(module.handleLine("RDFLFFFE"),
             Replies{"RDFL" + frame("1803050709" + repeated("00", 251), "FFFE", "A5810000")});
}

void LiveModuleTest::clockWrite_data()
{
    QTest::addColumn<QByteArray>("frameLine");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("clockAfter");

    // Checksums most significant byte first.
    QTest::newRow("2 January 2031, 00:05") << frame("1F01020005" + repeated("00", 251), "FFFE", "00008196")
                                           << QByteArray("WROK") << "2031-01-02 00:05";
    QTest::newRow("month 13 is taken and ignored") << frame("1F0D020005" + repeated("00", 251), "FFFE", "000081A2")
                                                   << QByteArray("WROK") << "2024-03-05 07:09";
    QTest::newRow("hour 24 is taken and ignored") << frame("1F01021805" + repeated("00", 251), "FFFE", "000081AE")
                                                  << QByteArray("WROK") << "2024-03-05 07:09";
    QTest::newRow("checksum least significant byte first")
        << frame("1F01020005" + repeated("00", 251), "FFFE", "96810000") << QByteArray("WRFLERR")
        << "2024-03-05 07:09";
}

void LiveModuleTest::clockWrite()
{
    QFETCH(QByteArray, frameLine);
    QFETCH(QByteArray, reply);
    QFETCH(QString, clockAfter);
    ModuleProtocol module(demoParameterMemory());
    module.live().clock().set(QDateTime(QDate(2024, 3, 5), QTime(7, 9)));
    const int index = module.live().events().newestIndex();
    module.handleLine(lineFor("RPWD"));
    QCOMPARE(module.handleLine("WRFL"), Replies{});
    QCOMPARE(module.handleLine(frameLine), Replies{reply});
    QCOMPARE(module.live().clock().now().toString(QStringLiteral("yyyy-MM-dd hh:mm")), clockAfter);
    if (clockAfter.startsWith(u"2031"))
        QCOMPARE(newest(module).code(), 42); // clock set
    else
        QCOMPARE(module.live().events().newestIndex(), index);
}

void LiveModuleTest::routineMessageEveryTenthPoll()
{
    ModuleProtocol module(demoParameterMemory());
    for (int poll = 1; poll <= 20; ++poll) {
        const Replies replies = module.handleLine(lineFor(poll % 2 == 0 ? "RPWE" : "RPWS"));
        const bool due = poll % 10 == 0;
        QCOMPARE(replies.size(), due ? 2 : 1);
        if (due)
            QVERIFY(replies[1].startsWith("AT_/") && replies[1].size() > 4);
    }
}

void LiveModuleTest::activityFollowsItsSeed()
{
    const auto course = [](std::uint32_t seed) {
        ModuleProtocol module(demoParameterMemory());
        module.live().arm(1);
        module.live().arm(2);
        LiveActivity activity(module.live(), seed);
        QByteArrayList lines;
        for (int step = 0; step < 60; ++step) {
            activity.step();
            lines << module.handleLine(lineFor("RPWS")).first() << module.handleLine(lineFor("RPWE")).first();
        }
        return lines;
    };
    const QByteArrayList first = course(7);
    QCOMPARE(course(7), first);
    QCOMPARE(QSet<QByteArray>(first.begin(), first.end()).size() > 10, true);
}

QTEST_GUILESS_MAIN(LiveModuleTest)
#include "tst_livemodule.moc"
