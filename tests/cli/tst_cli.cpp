// The command-line tool end to end: the sentrova-cli program against the
// simulator program, checked by exit status, output and data files.
#include "FileBytes.h"
#include "PdfText.h"
#include "ProgramRuns.h"
#include "link/LinkTexts.h"
#include "params/ImageLayout.h"
#include "params/ParameterImage.h"
#include "params/TextFields.h"

#include <QFile>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString kCode = QStringLiteral("1234");
const QString kMismatch3 = QStringLiteral("Ehhez a GSM-Sentrova programverzióhoz másik Sentrova Pultrex program "
                                          "szükséges!   (SentrovaDataVer=3 , PultrexDataVer=2)");

enum Exit { kSuccess = 0, kDifferent = 1, kFailure = 2 };

QString simulatorPath()
{
    return qEnvironmentVariable("SENTROVA_SIM");
}

QString cliPath()
{
    return qEnvironmentVariable("SENTROVA_CLI");
}

// A data file of varied bytes that keeps the installer code 1234, so that a
// module that takes it still accepts the next login.
QByteArray writableImageBytes(int seed)
{
    params::ParameterImage image;
    for (int i = 0; i < params::ParameterImage::kSize; ++i)
        image.set(i, std::uint8_t(i * 7 + seed));
    params::WriteCode(image, params::fieldRef(params::Field::InstallerCode), kCode);
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data()), params::ParameterImage::kSize);
}

using CliRun = ProgramRun;

QStringList blockLines(int first, int last, const QString& word)
{
    QStringList lines;
    for (int block = first; block <= last; ++block)
        lines << QStringLiteral("block %1: %2").arg(block).arg(word);
    return lines;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(simulatorPath()).isExecutable(), "SENTROVA_SIM names no program");
        QVERIFY2(QFileInfo(cliPath()).isExecutable(), "SENTROVA_CLI names no program");
    }

    void version_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("answered") << QStringList() << int(kSuccess)
                                  << "Programverzió: GSM-SENTROVA V3.05       (DataVer=2)\n" << "";
        QTest::newRow("other versions") << QStringList{"--program-version", "V9", "--data-version", "3"}
                                        << int(kSuccess) << "Programverzió: V9       (DataVer=3)\n" << "";
        QTest::newRow("code refused") << QStringList{"--refuse-code"} << int(kFailure) << ""
                                      << text::wrongInstallerCode + u'\n';
        QTest::newRow("no answer") << QStringList{"--silent"} << int(kFailure) << ""
                                   << text::moduleNoAnswer + u'\n';
        QTest::newRow("bad version frame") << QStringList{"--bad-checksum"} << int(kFailure) << ""
                                           << text::readFailed + u'\n';
    }

    void version()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        SimProcess sim(simOptions);
        QVERIFY(sim.running());
        const CliRun run = runOn(sim, {QStringLiteral("version")});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err, err);
    }

    void readCompareWriteRoundTrip()
    {
        SimProcess sim;
        QVERIFY(sim.running());
        const QString read = sim.file(QStringLiteral("read.SD2"));
        CliRun run = runOn(sim, {QStringLiteral("read"), read});
        QCOMPARE(run.exitCode, int(kSuccess));
        QCOMPARE(lines(run.err), blockLines(1, 8, QStringLiteral("read")) << "saved to " + read);
        QCOMPARE(run.out, QString());
        const QByteArray demo = readFile(read);
        QCOMPARE(demo.size(), params::ParameterImage::kSize);

        run = runOn(sim, {QStringLiteral("compare"), read});
        QCOMPARE(run.exitCode, int(kSuccess));
        QCOMPARE(lines(run.err), blockLines(1, 8, QStringLiteral("equal")));

        // A changed code still compares equal; a changed zone name (block 1,
        // shown as 2) does not, and the comparison stops there.
        QByteArray changed = demo;
        changed[params::offsetOf(params::Field::UserCode, 2)] = char(0x12);
        const QString changedPath = sim.file(QStringLiteral("changed.SD2"));
        QVERIFY(writeFile(changedPath, changed));
        QCOMPARE(runOn(sim, {QStringLiteral("compare"), changedPath}).exitCode, int(kSuccess));
        changed[params::offsetOf(params::Field::ZoneName, 12)] = 'X';
        QVERIFY(writeFile(changedPath, changed));
        run = runOn(sim, {QStringLiteral("compare"), changedPath});
        QCOMPARE(run.exitCode, int(kDifferent));
        QCOMPARE(lines(run.err), QStringList({"block 1: equal", "block 2: differs"}));
        // After the verdict, every differing setting: the file's value, then
        // the module's; the codes, left out of the verdict, last and apart.
        QCOMPARE(lines(run.out), QStringList({"12. Zóna – Zóna neve: »Xánikgomb« → »Pánikgomb«",
                                              "Kódok (nem hasonlítva):",
                                              "  2.Felhasználó – Azonosító kódja: ****** → ******"}));

        const QString written = sim.file(QStringLiteral("written.SD2"));
        QVERIFY(writeFile(written, writableImageBytes(3)));
        run = runOn(sim, {QStringLiteral("write"), written});
        QCOMPARE(run.exitCode, int(kSuccess));
        QCOMPARE(lines(run.err), blockLines(1, 8, QStringLiteral("written")) << "activated");
        QCOMPARE(runOn(sim, {QStringLiteral("compare"), written}).exitCode, int(kSuccess));
        QCOMPARE(runOn(sim, {QStringLiteral("compare"), read}).exitCode, int(kDifferent));
        const QString readBack = sim.file(QStringLiteral("back.SD2"));
        QCOMPARE(runOn(sim, {QStringLiteral("read"), readBack}).exitCode, int(kSuccess));
        QCOMPARE(readFile(readBack), readFile(written));
    }

    // A module that stores what it is sent, and one with a bad cell at 223
    // (zone 3's first name character, K = 4B kept as 4A = J).
    void writeVerified_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("out");
        QTest::newRow("stored as sent") << QStringList{} << int(kSuccess)
                                        << "verified: the module holds the file's 2048 bytes" << "";
        QTest::newRow("one byte stored wrongly")
            << QStringList{"--corrupt-byte", "223"} << int(kDifferent)
            << "verify failed: the module holds other settings than the file"
            << "3. Zóna – Zóna neve: »Konyha« → »Jonyha«\n";
    }

    void writeVerified()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(int, exitCode);
        QFETCH(QString, verdict);
        QFETCH(QString, out);
        SimProcess sim(simOptions);
        QVERIFY(sim.running());
        const QString written = sim.file(QStringLiteral("written.SD2"));
        QVERIFY(writeFile(written, writableImageBytes(4).replace(223, 10, "Konyha    ")));
        const CliRun run = runOn(sim, {QStringLiteral("write"), written, QStringLiteral("--verify")});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(lines(run.err), blockLines(1, 8, QStringLiteral("written")) << "activated" << verdict);
        QCOMPARE(run.out, out);
    }

    // Two data files, no module: the settings that differ, codes hidden
    // unless asked for.
    void diffOfTwoFiles_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("out");
        QTest::newRow("codes hidden") << QStringList{}
                                      << QStringList{"1.Felhasználó – Azonosító kódja: ****** → ******",
                                                     "3. Zóna – Zóna neve: »Konyha« → »Nappali«"};
        QTest::newRow("codes shown") << QStringList{"--show-codes"}
                                     << QStringList{"1.Felhasználó – Azonosító kódja: 1234 → 123456",
                                                    "3. Zóna – Zóna neve: »Konyha« → »Nappali«"};
    }
    void diffOfTwoFiles()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, out);
        QTemporaryDir dir;
        QByteArray first(params::ParameterImage::kSize, '\0');
        first.replace(10, 3, QByteArray("\xED\xCB\x00", 3));
        first.replace(223, 10, QByteArray("Konyha    "));
        QByteArray second = first;
        second.replace(10, 3, QByteArray("\xED\xCB\xA9", 3));
        second.replace(223, 10, QByteArray("Nappali   "));
        const QString a = dir.filePath(QStringLiteral("a.SD2"));
        const QString b = dir.filePath(QStringLiteral("b.SD2"));
        QVERIFY(writeFile(a, first) && writeFile(b, second));

        CliRun run = runCli(QStringList{QStringLiteral("diff"), a, b} + options);
        QCOMPARE(run.exitCode, int(kDifferent));
        QCOMPARE(lines(run.out), out);
        run = runCli({QStringLiteral("diff"), a, a});
        QCOMPARE(run.exitCode, int(kSuccess));
        QCOMPARE(run.out, QString());
        run = runCli({QStringLiteral("diff"), a, dir.filePath(QStringLiteral("missing.SD2"))});
        QCOMPARE(run.exitCode, int(kFailure));
        QVERIFY2(run.err.contains(QStringLiteral("A fájl nem nyitható meg: ")), qPrintable(run.err));
    }

    // The support log of one version query: every line each way, block frame
    // included, timestamped to the millisecond; a second run appends.
    void sessionLogOfOneVersionQuery()
    {
        SimProcess sim;
        QVERIFY(sim.running());
        const QString log = sim.file(QStringLiteral("session.log"));
        for (int run = 0; run < 2; ++run)
            QCOMPARE(runOn(sim, {QStringLiteral("--log"), log, QStringLiteral("version")}).exitCode, int(kSuccess));
        const QStringList entries = lines(QString::fromUtf8(readFile(log)));
        QCOMPARE(entries.size(), 8);
        static const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} "));
        QStringList traffic;
        for (const QString& entry : entries) {
            QVERIFY2(stamp.match(entry).hasMatch(), qPrintable(entry));
            traffic << entry.mid(24);
        }
        QCOMPARE(traffic.mid(0, 3), QStringList({">> RPWDEDCB00", "<< PWDOK", ">> RDFLFFFF"}));
        // The version block: "RDFL" and 270 bytes in hexadecimal.
        QVERIFY2(QRegularExpression(QStringLiteral("^<< RDFL[0-9A-F]{540}$")).match(traffic.at(3)).hasMatch(),
                 qPrintable(traffic.at(3)));
        QCOMPARE(traffic.mid(4), traffic.mid(0, 4));
    }

    void writeReachesTheModuleMemory()
    {
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("module.SD2"));
        SimProcess sim({QStringLiteral("--save-on-exit"), saved});
        QVERIFY(sim.running());
        const QString written = sim.file(QStringLiteral("w.SD2"));
        QVERIFY(writeFile(written, writableImageBytes(9)));
        QCOMPARE(runOn(sim, {QStringLiteral("write"), written}).exitCode, int(kSuccess));
        sim.stop();
        QCOMPARE(readFile(saved), readFile(written));
    }

    void transferFailure_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QStringList>("err");
        QTest::newRow("read, block 6 not answered")
            << "read" << QStringList{"--drop-block", "5"}
            << (blockLines(1, 5, QStringLiteral("read")) << "block 6: no valid answer");
        QTest::newRow("read, wrong block numbers")
            << "read" << QStringList{"--wrong-block"} << QStringList{"block 1: no valid answer"};
        QTest::newRow("compare, block 4 not answered")
            << "compare" << QStringList{"--drop-block", "3"}
            << (blockLines(1, 3, QStringLiteral("equal")) << "block 4: no valid answer");
        QTest::newRow("write, block 3 not acknowledged")
            << "write" << QStringList{"--nak-write", "2"}
            << (blockLines(1, 2, QStringLiteral("written")) << "block 3: not acknowledged");
        QTest::newRow("write, activation not confirmed")
            << "write" << QStringList{"--no-activation"}
            << (blockLines(1, 8, QStringLiteral("written")) << "activation not confirmed");
        QTest::newRow("read, code refused") << "read" << QStringList{"--refuse-code"}
                                            << QStringList{text::wrongInstallerCode};
        QTest::newRow("write, no answer") << "write" << QStringList{"--silent"} << QStringList{text::moduleNoAnswer};
        QTest::newRow("compare, data version 3") << "compare" << QStringList{"--data-version", "3"}
                                                 << QStringList{kMismatch3};
        QTest::newRow("read, data version 3") << "read" << QStringList{"--data-version", "3"}
                                              << QStringList{kMismatch3};
    }

    void transferFailure()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, simOptions);
        QFETCH(QStringList, err);
        // The module holds what the file to compare or write holds; a file to
        // read into already exists and must survive the failure.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.SD2"));
        const QByteArray contents = writableImageBytes(5);
        QVERIFY(writeFile(path, contents));
        SimProcess sim(simOptions << QStringLiteral("--load") << path);
        QVERIFY(sim.running());
        const CliRun run = runOn(sim, {command, path});
        QCOMPARE(run.exitCode, int(kFailure));
        QCOMPARE(lines(run.err), err);
        QCOMPARE(run.out, QString());
        QCOMPARE(readFile(path), contents);
    }

    void fileAndPortFailure_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<QString>("errLine");
        QTest::newRow("write, file missing") << QStringList{"write", "missing.SD2"} << "A fájl nem nyitható meg: ";
        QTest::newRow("compare, file too short") << QStringList{"compare", "short.SD2"} << "A fájl túl rövid: ";
        QTest::newRow("read, folder missing") << QStringList{"read", "nowhere/out.SD2"} << "A fájl nem írható: ";
        QTest::newRow("sheet, file missing") << QStringList{"sheet", "missing.SD2", "out.pdf"}
                                             << "A fájl nem nyitható meg: ";
    }

    void fileAndPortFailure()
    {
        QFETCH(QStringList, command);
        QFETCH(QString, errLine);
        SimProcess sim;
        QVERIFY(sim.running());
        QVERIFY(writeFile(sim.file(QStringLiteral("short.SD2")), writableImageBytes(1).left(2047)));
        command[1] = sim.file(command[1]);
        const CliRun run = runOn(sim, command);
        QCOMPARE(run.exitCode, int(kFailure));
        // The file layer's text names the file.
        QVERIFY2(run.err.contains(errLine + command[1] + u'\n'), qPrintable(run.err));
    }

    // A disk that fills up during the save: the old file stays, the tool
    // says why and never that it saved.
    void saveOnFullDisk_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("read") << "read" << "out.SD2";
        QTest::newRow("events") << "events" << "out.csv";
    }

    void saveOnFullDisk()
    {
        QFETCH(QString, command);
        QFETCH(QString, fileName);
        SimProcess sim({QStringLiteral("--still")});
        QVERIFY(sim.running());
        const QString path = sim.file(fileName);
        const QByteArray old("the previous file");
        QVERIFY(writeFile(path, old));
        const CliRun run = runOn(sim, {command, path}, kCode, 1000);
        QCOMPARE(run.exitCode, int(kFailure));
        QVERIFY2(run.err.contains(QStringLiteral("A fájl nem írható: ") + path + u'\n'), qPrintable(run.err));
        QVERIFY2(!run.err.contains(QStringLiteral("saved")), qPrintable(run.err));
        QCOMPARE(readFile(path), old);
    }

    // The sheet of the demo memory: every zone and user name, the numbers
    // and the reports, on A4 pages numbered in the footer, and no code in
    // clear. Then the same sheet on a disk that fills up.
    void sheetOfTheDemoMemory()
    {
        SimProcess sim({QStringLiteral("--still")});
        QVERIFY(sim.running());
        const QString data = sim.file(QStringLiteral("demo.SD2"));
        QCOMPARE(runOn(sim, {QStringLiteral("read"), data}).exitCode, int(kSuccess));
        const QString pdf = sim.file(QStringLiteral("demo.pdf"));
        // Not even a display that a desktop asks for is needed.
        const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", "xcb");
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        CliRun run = runCli({QStringLiteral("sheet"), data, pdf});
        qputenv("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
        QCOMPARE(run.exitCode, int(kSuccess));
        // Qt may warn first about the session it runs in.
        QVERIFY2(run.err.endsWith("saved to " + pdf + u'\n'), qPrintable(run.err));

        QVERIFY2(pdfInfo(pdf, QStringLiteral("Page size")).endsWith(QStringLiteral("(A4)")),
                 qPrintable(pdfInfo(pdf, QStringLiteral("Page size"))));
        const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
        QVERIFY(pages >= 2);
        const QString text = pdfText(pdf);
        for (int page = 1; page <= pages; ++page)
            QVERIFY2(text.contains(QStringLiteral("%1. oldal / %2").arg(page).arg(pages)), qPrintable(text));
        const QStringList expected{
            "Bejárat", "Előszoba", "Nappali", "Hálószoba", "Konyha", "Garázs", "Pince", "Ablak É", "Ablak D",
            "Terasz", "Füstjelző", "Pánikgomb", "Kovács Pál", "Szabó Éva", "Kovács Ida", "Nagy Ödön", "Tóth Júlia",
            "Varga Géza", "Molnár Ági", "Takarító", "Vendég", "Szerelő", "36301234567", "36209876543", "3614567890",
            "Ügyfél azonosító", "1A2F", "Tűzjelzés: $", "******"};
        for (const QString& literal : expected)
            QVERIFY2(text.contains(literal), qPrintable(literal));
        // Rows as the editor labels them: a zone's choices and times, a user,
        // a report with its Contact-ID code, a telephone number with its
        // acknowledgement, a relay's times.
        for (const char* row : {"1\\. Zóna +Bejárat +Szakadásra aktív +Partíció 1 és 2 +Kiinduló zóna",
                                "7\\. Zóna +Pince +10 +0 +0 +5 +24",
                                "1\\.Felhasználó +Kovács Pál +\\*{6} +1\\. partíció, 2\\. partíció, Élesítés",
                                "25\\. Szabotázs +137 +X +X +X +Szabotázs: \\$ +2",
                                "1\\. Telefonszám +36301234567 +2- +\\* = nyugta, +# = leállítás",
                                "RELE 2 +0 +180"})
            QVERIFY2(QRegularExpression(QString::fromUtf8(row)).match(text).hasMatch(), row);
        // The installer code and every user code of the demo, nowhere as a
        // number of its own (the telephone numbers hold 1234 and 5678).
        for (const char* code : {"1234", "4321", "5678", "2580", "139742", "7777", "0415", "906512", "3690", "8642"})
            QVERIFY2(!QRegularExpression(QStringLiteral("(?<![0-9])%1(?![0-9])").arg(QLatin1String(code)))
                          .match(text)
                          .hasMatch(),
                     code);

        const QByteArray old("the previous file");
        QVERIFY(writeFile(pdf, old));
        run = runCli({QStringLiteral("sheet"), data, pdf}, 1000);
        QCOMPARE(run.exitCode, int(kFailure));
        QVERIFY2(run.err.contains(QStringLiteral("A fájl nem írható: ") + pdf + u'\n'), qPrintable(run.err));
        QCOMPARE(readFile(pdf), old);
    }

    void eventsToCsv()
    {
        SimProcess sim({QStringLiteral("--still")});
        QVERIFY(sim.running());
        const QString csv = sim.file(QStringLiteral("events.csv"));
        const CliRun run = runOn(sim, {QStringLiteral("events"), csv});
        QCOMPARE(run.exitCode, int(kSuccess));
        const QStringList progress = lines(run.err);
        QVERIFY(progress.contains(QStringLiteral("Zóna és Felhasználói nevek letöltve.")));
        QVERIFY(progress.contains(QStringLiteral("Eseménylista letöltve.")));
        QCOMPARE(progress.last(), "saved to " + csv);

        const QStringList records = QString::fromUtf8(readFile(csv)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(records.first(), QStringLiteral("Sorszám,Időpont,Esemény,Zóna / Felhasználó,T1,T2,T3,T4,S1,S2,S3,S4,"
                                                 "Közp,Státusz"));
        // The newest event of the module's history comes first. Every record
        // holds an event with its time, keeps its row number (rising, gaps
        // where a slot is empty) and no field keeps the grid's padding.
        QVERIFY(records.size() > 2);
        QVERIFY2(records[1].startsWith(QStringLiteral("1,")), qPrintable(records[1]));
        static const QRegularExpression event(QStringLiteral("^(\\d+),\\d\\d/\\d\\d - \\d\\d:\\d\\d,\\S"));
        static const QRegularExpression padding(QStringLiteral("(^|,) |[ ](,|$)"));
        int previousRow = 0;
        for (const QString& record : records.mid(1)) {
            const QRegularExpressionMatch match = event.match(record);
            QVERIFY2(match.hasMatch(), qPrintable(record));
            QVERIFY2(match.captured(1).toInt() > previousRow, qPrintable(record));
            previousRow = match.captured(1).toInt();
            QVERIFY2(!padding.match(record).hasMatch(), qPrintable(record));
        }
        QVERIFY(previousRow <= 90);
    }

    void eventsFailure_data()
    {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("errLine");
        QTest::newRow("code refused") << QStringList{"--refuse-code"} << "e.csv" << text::wrongInstallerCode;
        QTest::newRow("no answer") << QStringList{"--silent"} << "e.csv" << text::moduleNoAnswer;
        QTest::newRow("wrong block numbers") << QStringList{"--wrong-block"} << "e.csv" << text::readFailed;
        QTest::newRow("folder missing") << QStringList() << "nowhere/e.csv" << "A fájl nem írható: ";
    }

    void eventsFailure()
    {
        QFETCH(QStringList, simOptions);
        QFETCH(QString, target);
        QFETCH(QString, errLine);
        SimProcess sim(simOptions << QStringLiteral("--still"));
        QVERIFY(sim.running());
        const QString csv = sim.file(target);
        const CliRun run = runOn(sim, {QStringLiteral("events"), csv});
        QCOMPARE(run.exitCode, int(kFailure));
        QVERIFY2(run.err.contains(errLine), qPrintable(run.err));
        QVERIFY(!QFile::exists(csv));
    }

    void lostPortEndsTheCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("progress"); // the module goes away after this line
        QTest::newRow("read") << QStringLiteral("read") << QStringLiteral("block 2: read");
        QTest::newRow("events") << QStringLiteral("events") << QStringLiteral("Zóna és Felhasználói nevek letöltése 1");
    }

    void lostPortEndsTheCommand()
    {
        QFETCH(QString, command);
        QFETCH(QString, progress);
        // At the line's real pace, so that the module goes away mid-transfer.
        SimProcess sim({QStringLiteral("--baud"), QStringLiteral("19200")});
        QVERIFY(sim.running());
        // The program's own 100 ms ticks: a read waits 5 s for its block.
        QProcess cli;
        cli.start(cliPath(), {QStringLiteral("--port"), sim.port(), QStringLiteral("--code"), kCode, command,
                              sim.file(QStringLiteral("out"))});
        QByteArray err;
        QVERIFY(QTest::qWaitFor(
            [&] {
                err += cli.readAllStandardError();
                return err.contains(progress.toUtf8());
            },
            kProgramTimeoutMs));
        QElapsedTimer clock;
        clock.start();
        sim.kill();
        QVERIFY(cli.waitForFinished(kProgramTimeoutMs));
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        err += cli.readAllStandardError();
        QCOMPARE(cli.exitCode(), int(kFailure));
        const QString errText = QString::fromUtf8(err);
        QVERIFY2(errText.contains(QStringLiteral("sentrova-cli: port lost: ")), qPrintable(errText));
        QVERIFY2(errText.endsWith(QStringLiteral(" Nincs soros kapcsolat.\n")), qPrintable(errText));
        QVERIFY(!QFileInfo::exists(sim.file(QStringLiteral("out"))));
    }

    // A port that one tool process holds (a silent module keeps it waiting
    // for the code check) is busy for a second one, under the link's name and
    // under the device's own.
    void secondToolOnAHeldPortSaysBusy()
    {
        SimProcess sim({QStringLiteral("--silent")});
        QVERIFY(sim.running());
        const QString log = sim.file(QStringLiteral("first.log"));
        QProcess first;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SENTROVA_TICK_MS"), QStringLiteral("1000")); // 30 s for the code check
        first.setProcessEnvironment(environment);
        first.start(cliPath(), {QStringLiteral("--port"), sim.port(), QStringLiteral("--code"), kCode,
                                QStringLiteral("--log"), log, QStringLiteral("version")});
        // The code check is on the line: the first holds the port.
        QVERIFY(QTest::qWaitFor([&] { return readFile(log).contains(">> RPWD"); }, kProgramTimeoutMs));

        for (const QString& port : {sim.port(), sim.device()}) {
            const CliRun run = runCli({QStringLiteral("--port"), port, QStringLiteral("--code"), kCode,
                                       QStringLiteral("version")});
            QCOMPARE(run.exitCode, int(kFailure));
            QCOMPARE(run.err, "sentrova-cli: cannot open the port " + port
                                  + ": busy: another program has the port open\n");
        }
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished(kProgramTimeoutMs);
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("errStart");
        QTest::newRow("nothing") << QStringList() << "sentrova-cli: No command given.";
        QTest::newRow("no port") << QStringList{"read", "x.SD2"} << "sentrova-cli: No port given (--port DEVICE).";
        QTest::newRow("diff, second file missing") << QStringList{"diff", "a.SD2"}
                                                   << "sentrova-cli: Missing B.SD2 after diff.";
        QTest::newRow("no command") << QStringList{"--port", "/dev/null"} << "sentrova-cli: No command given.";
        QTest::newRow("unknown command") << QStringList{"--port", "x", "bogus"}
                                         << "sentrova-cli: Unknown command: bogus";
        QTest::newRow("file missing") << QStringList{"--port", "x", "read"}
                                      << "sentrova-cli: Missing OUT.SD2 after read.";
        QTest::newRow("extra argument") << QStringList{"--port", "x", "version", "y"}
                                        << "sentrova-cli: Unexpected argument: y";
        QTest::newRow("unknown option") << QStringList{"--baud", "1"} << "sentrova-cli: Unknown option";
        QTest::newRow("no attempt") << QStringList{"--port", "x", "--attempts", "0", "version"}
                                    << "sentrova-cli: --attempts needs a number from 1 to 5: 0\n";
        QTest::newRow("six attempts") << QStringList{"--port", "x", "--attempts", "6", "version"}
                                      << "sentrova-cli: --attempts needs a number from 1 to 5: 6\n";
        QTest::newRow("port cannot be opened") << QStringList{"--port", "/nonexistent/port", "version"}
                                               << "sentrova-cli: cannot open the port /nonexistent/port: no such device\n";
    }

    void usage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, errStart);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, int(kFailure));
        QVERIFY2(run.err.startsWith(errStart), qPrintable(run.err));
        QCOMPARE(run.out, QString());
    }

    void help()
    {
        const CliRun run = runCli({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, int(kSuccess));
        for (const char* expected : {"--port", "--code", "--attempts", "version", "read OUT.SD2", "write IN.SD2",
                                     "compare IN.SD2", "events OUT.csv", "sheet IN.SD2 OUT.pdf", "Exit status: 0"})
            QVERIFY2(run.out.contains(QLatin1String(expected)), expected);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
