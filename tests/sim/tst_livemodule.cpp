#include "DemoMemory.h"
#include "EventCodes.h"
#include "LiveActivity.h"
#include "ModuleProtocol.h"

#include "link/BlockFrame.h"
#include "link/Commands.h"
#include "link/Cp1250.h"
#include "monitor/EventCatalogue.h"
#include "monitor/EventList.h"
#include "monitor/LastEvents.h"
#include "monitor/StatusReport.h"

#include <QTest>

namespace {

using Replies = ModuleProtocol::Replies;

const QString kCode = QString::fromUtf16(demo::kInstallerCode);
const QString kWrongCode = QStringLiteral("9999");

// The command line the program sends for `index`.
QByteArray lineFor(std::uint8_t index, const QString& code = kCode)
{
    return *commandLine(index, code);
}

QByteArray message(const QString& text)
{
    return "AT_/" + toCp1250(text);
}

// The frame of a block read after logging in; all zero when none came.
Frame readBlock(ModuleProtocol& module, std::uint16_t address)
{
    module.handleLine(lineFor(command::kCodeCheck));
    const Replies replies = module.handleLine(readRequestLine(address));
    Frame f{};
    if (replies.size() != 1 || decodeReplyFrame(replies[0], f) != FrameDecode::Good)
        qWarning("no good frame for %04X", address);
    return f;
}

// Blocks F000..F003 as the short event list downloads them.
QByteArray eventMemory(ModuleProtocol& module)
{
    QByteArray bytes;
    for (std::uint16_t n = 0; n < 4; ++n) {
        const Frame f = readBlock(module, std::uint16_t(0xF000 + n));
        if (f[frame::kAddressLow] != n)
            qWarning("block F00%d carries address low byte %d", n, f[frame::kAddressLow]);
        bytes.append(reinterpret_cast<const char*>(f.data()), frame::kDataSize);
    }
    return bytes;
}

monitor::EventRecord newest(const ModuleProtocol& module)
{
    return module.live().events().newest(1).front();
}

QByteArray clockWriteLine(std::array<std::uint8_t, 5> time)
{
    std::array<std::uint8_t, frame::kDataSize> data{};
    std::copy(time.begin(), time.end(), data.begin());
    return frameToHex(BuildWriteFrame(data, frame::kClockAddress));
}

} // namespace

class LiveModuleTest : public QObject
{
    Q_OBJECT
private slots:
    void eventCodesNameTheirEvents_data();
    void eventCodesNameTheirEvents();
    void wrongCodeChangesNothing_data();
    void wrongCodeChangesNothing();
    void armingShowsInNextReport_data();
    void armingShowsInNextReport();
    void alarmStop();
    void disarmingSilencesItsZones();
    void lastEventsNewestFirst();
    void eventMemoryBlocks();
    void historyAtStart();
    void eventTimesFromClock();
    void clockRead();
    void clockWrite_data();
    void clockWrite();
    void routineMessageEveryTenthPoll();
    void activityFollowsItsSeed();
};

void LiveModuleTest::eventCodesNameTheirEvents_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("IN1 alarm") << int(eventcode::inputAlarm(1)) << "IN1 Riasztás";
    QTest::newRow("IN12 restore") << int(eventcode::inputRestore(12)) << "IN12 Visszaállás";
    QTest::newRow("arm 2") << int(eventcode::armed(2)) << "Élesítés Part.2";
    QTest::newRow("disarm 1") << int(eventcode::disarmed(1)) << "Kikapcs. Part.1";
    QTest::newRow("mains fault") << int(eventcode::kMainsFault) << "AC hiba";
    QTest::newRow("clock set") << int(eventcode::kClockSet) << "Óra beállítva";
    QTest::newRow("programmed") << int(eventcode::kProgrammed) << "Programozták";
    QTest::newRow("signal restored") << int(eventcode::kSignalRestored) << "Térerő rendben";
}

void LiveModuleTest::eventCodesNameTheirEvents()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdU16String(std::u16string(monitor::eventName(code))).trimmed(), name);
}

void LiveModuleTest::wrongCodeChangesNothing_data()
{
    QTest::addColumn<int>("index");
    for (const auto& [index, word] : {std::pair{command::kStatusPoll, "RPWS"}, std::pair{command::kEventPoll, "RPWE"},
                                      std::pair{command::kAlarmStop, "RSTP"}, std::pair{command::kArmP1, "PT1A"},
                                      std::pair{command::kArmP2, "PT2A"}, std::pair{command::kDisarmP1, "PT1D"},
                                      std::pair{command::kDisarmP2, "PT2D"}})
        QTest::newRow(word) << int(index);
}

void LiveModuleTest::wrongCodeChangesNothing()
{
    QFETCH(int, index);
    ModuleProtocol module(demoParameterMemory());
    module.live().arm(2);
    module.live().tripInput(7);
    module.live().takeMessages();
    const QByteArray before = eventMemory(module);
    QCOMPARE(module.handleLine(lineFor(std::uint8_t(index), kWrongCode)), Replies{"PWDERR"});
    QCOMPARE(eventMemory(module), before);
    QVERIFY(!module.live().armed(1));
    QVERIFY(module.live().armed(2));
    QVERIFY(module.live().alarmRunning());

    module.faults().refuseCode = true;
    QCOMPARE(module.handleLine(lineFor(std::uint8_t(index))), Replies{"PWDERR"});
}

void LiveModuleTest::armingShowsInNextReport_data()
{
    QTest::addColumn<int>("partition");
    QTest::newRow("partition 1") << 1;
    QTest::newRow("partition 2") << 2;
}

void LiveModuleTest::armingShowsInNextReport()
{
    QFETCH(int, partition);
    ModuleProtocol module(demoParameterMemory());
    const auto armedFlag = [&] { return module.handleLine(lineFor(command::kStatusPoll)).first()[78 + partition]; };
    QCOMPARE(armedFlag(), '0');

    const std::uint8_t arm = partition == 1 ? command::kArmP1 : command::kArmP2;
    QCOMPARE(module.handleLine(lineFor(arm)), Replies{message(QStringLiteral("Élesítve: %1. partíció").arg(partition))});
    QCOMPARE(armedFlag(), '1');
    QCOMPARE(newest(module).code(), int(eventcode::armed(partition)));
    QCOMPARE(newest(module).number(), eventuser::kInstaller);
    const int index = module.live().events().newestIndex();
    // Arming again changes nothing.
    QCOMPARE(module.handleLine(lineFor(arm)), Replies{});
    QCOMPARE(module.live().events().newestIndex(), index);

    const std::uint8_t disarm = partition == 1 ? command::kDisarmP1 : command::kDisarmP2;
    module.handleLine(lineFor(disarm));
    QCOMPARE(armedFlag(), '0');
    QCOMPARE(newest(module).code(), int(eventcode::disarmed(partition)));
    QCOMPARE(newest(module).number(), eventuser::kInstaller);
    QCOMPARE(module.live().armed(3 - partition), false);
}

void LiveModuleTest::alarmStop()
{
    ModuleProtocol module(demoParameterMemory());
    module.handleLine(lineFor(command::kArmP1));
    module.live().tripInput(3); // "Nappali", partition 1
    QCOMPARE(newest(module).code(), int(eventcode::inputAlarm(3)));
    QCOMPARE(newest(module).number(), 3);
    const int alarmIndex = module.live().events().newestIndex();
    std::optional<monitor::StatusReport> report =
        monitor::parseStatusReport(module.handleLine(lineFor(command::kStatusPoll)).first());
    QVERIFY(report);
    QCOMPARE(report->outputs[0].text, QStringLiteral("12 V"));
    QCOMPARE(report->inputs[2].state.text, QStringLiteral("Riasztás"));
    QCOMPARE(monitor::eventStatusText(module.live().events().record(alarmIndex)), QStringLiteral("Aktív"));

    const Replies replies = module.handleLine(lineFor(command::kAlarmStop));
    QCOMPARE(replies.first(), QByteArray("PWDOK"));
    QVERIFY(replies.contains(message(QStringLiteral("Riasztások leállítva"))));
    report = monitor::parseStatusReport(module.handleLine(lineFor(command::kStatusPoll)).first());
    QVERIFY(report);
    QCOMPARE(report->outputs[0].text, QStringLiteral("0 V"));
    QCOMPARE(report->inputs[2].state.text, QStringLiteral("Alaphelyzet"));
    QCOMPARE(newest(module).code(), int(eventcode::inputRestore(3)));
    QCOMPARE(monitor::eventStatusText(module.live().events().record(alarmIndex)), QStringLiteral("STOP"));
    QVERIFY(module.live().armed(1));

    QCOMPARE(module.handleLine(lineFor(command::kAlarmStop, kWrongCode)), Replies{"PWDERR"});
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
    module.handleLine(lineFor(command::kArmP1));
    const QByteArray line = module.handleLine(lineFor(command::kEventPoll)).first();
    QVERIFY(line.startsWith("AT_{"));
    QCOMPARE(line.size(), 4 + 8 * 16);
    const std::vector<monitor::EventRecord> records = module.live().events().newest(8);
    for (int r = 0; r < 8; ++r)
        QCOMPARE(monitor::lastEventRecord(line, r).bytes, records[std::size_t(r)].bytes);
    const auto rows = monitor::parseLastEvents(line);
    QCOMPARE(rows[0].name.trimmed(), QStringLiteral("Élesítés Part.1"));
    QCOMPARE(monitor::lastEventWho(records[0]), QStringLiteral("F=13"));
}

void LiveModuleTest::eventMemoryBlocks()
{
    ModuleProtocol module(demoParameterMemory());
    const int start = module.live().events().newestIndex();
    QByteArray memory = eventMemory(module);
    QCOMPARE(int(std::uint8_t(memory[768])), start);
    QVERIFY(memory.mid(769).count('\0') == memory.size() - 769);

    // Past the end of the ring the newest index wraps.
    for (int i = 0; i < 70; ++i)
        module.live().setMains(i % 2 == 1);
    memory = eventMemory(module);
    const int newestIndex = (start + 70) % 96;
    QCOMPARE(int(std::uint8_t(memory[768])), newestIndex);
    const monitor::StoredNames names = monitor::namesFromBlocks({});
    const auto rows = monitor::eventListRows(memory, names);
    QCOMPARE(rows[0].record, newestIndex);
    QCOMPARE(rows[0].columns.name.trimmed(), QStringLiteral("AC rendben"));
    QCOMPARE(rows[1].columns.name.trimmed(), QStringLiteral("AC hiba"));

    // Without a session the memory is not read.
    module.handleLine(lineFor(command::kCodeCheck, kWrongCode));
    QCOMPARE(module.handleLine("RDFLF000"), Replies{"PWDERR"});
    QCOMPARE(module.handleLine("RDFLF004").size(), 1);
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
        const monitor::EventRecord& record = events.record(i);
        if (i >= count) {
            QCOMPARE(record.code(), 0);
            continue;
        }
        QVERIFY(monitor::isLoggedEventCode(record.code()));
        // Month, day and time of a past date near now: the year is the
        // one that puts the record before now.
        QDate date(now.date().year(), record.month(), record.day());
        if (date > now.date())
            date = date.addYears(-1);
        const QDateTime when(date, QTime(record.hour(), record.minute()));
        QVERIFY2(when >= previous && when < now, qPrintable(when.toString()));
        previous = when;
    }
}

void LiveModuleTest::eventTimesFromClock()
{
    ModuleProtocol module(demoParameterMemory());
    module.live().clock().set(QDateTime(QDate(2031, 3, 5), QTime(7, 9)));
    module.live().setMains(false);
    const monitor::EventRecord record = newest(module);
    QCOMPARE(record.code(), int(eventcode::kMainsFault));
    QCOMPARE(monitor::eventTimeText(record), QStringLiteral("03/05 - 07:09"));
}

void LiveModuleTest::clockRead()
{
    ModuleProtocol module(demoParameterMemory());
    module.live().clock().set(QDateTime(QDate(2024, 3, 5), QTime(7, 9)));
    const Frame f = readBlock(module, frame::kClockAddress);
    QCOMPARE(frameAddress(f), frame::kClockAddress);
    QCOMPARE((std::vector<int>(f.begin(), f.begin() + 5)), (std::vector<int>{24, 3, 5, 7, 9}));
}

void LiveModuleTest::clockWrite_data()
{
    QTest::addColumn<QByteArray>("frameLine");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("clockAfter");

    QTest::newRow("2 January 2031, 00:05") << clockWriteLine({31, 1, 2, 0, 5}) << QByteArray("WROK")
                                           << "2031-01-02 00:05";
    QTest::newRow("month 13 is taken and ignored") << clockWriteLine({31, 13, 2, 0, 5}) << QByteArray("WROK")
                                                   << "2024-03-05 07:09";
    QTest::newRow("hour 24 is taken and ignored") << clockWriteLine({31, 1, 2, 24, 5}) << QByteArray("WROK")
                                                  << "2024-03-05 07:09";
    QByteArray lsbFirst = clockWriteLine({31, 1, 2, 0, 5});
    std::reverse(lsbFirst.end() - 8, lsbFirst.end());
    QTest::newRow("bad checksum") << lsbFirst << QByteArray("WRFLERR") << "2024-03-05 07:09";
}

void LiveModuleTest::clockWrite()
{
    QFETCH(QByteArray, frameLine);
    QFETCH(QByteArray, reply);
    QFETCH(QString, clockAfter);
    ModuleProtocol module(demoParameterMemory());
    module.live().clock().set(QDateTime(QDate(2024, 3, 5), QTime(7, 9)));
    const int index = module.live().events().newestIndex();
    module.handleLine(lineFor(command::kCodeCheck));
    QCOMPARE(module.handleLine("WRFL"), Replies{});
    QCOMPARE(module.handleLine(frameLine), Replies{reply});
    QCOMPARE(module.live().clock().now().toString(QStringLiteral("yyyy-MM-dd hh:mm")), clockAfter);
    if (clockAfter.startsWith(u"2031"))
        QCOMPARE(newest(module).code(), int(eventcode::kClockSet));
    else
        QCOMPARE(module.live().events().newestIndex(), index);
}

void LiveModuleTest::routineMessageEveryTenthPoll()
{
    ModuleProtocol module(demoParameterMemory());
    for (int poll = 1; poll <= 2 * ModuleProtocol::kPollsPerRoutineMessage; ++poll) {
        const std::uint8_t index = poll % 2 == 0 ? command::kEventPoll : command::kStatusPoll;
        const Replies replies = module.handleLine(lineFor(index));
        const bool due = poll % ModuleProtocol::kPollsPerRoutineMessage == 0;
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
            lines << module.handleLine(lineFor(command::kStatusPoll)).first()
                  << module.handleLine(lineFor(command::kEventPoll)).first();
        }
        return lines;
    };
    const QByteArrayList first = course(7);
    QCOMPARE(course(7), first);
    QCOMPARE(QSet<QByteArray>(first.begin(), first.end()).size() > 10, true);
}

QTEST_GUILESS_MAIN(LiveModuleTest)
#include "tst_livemodule.moc"
