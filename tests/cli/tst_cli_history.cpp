// The archive through the command-line tool: eight tools reading at once,
// the history list and its export, "@ID" in place of a data file, and
// archives that cannot be used.
#include "FileBytes.h"
#include "PdfText.h"
#include "ProgramRuns.h"

#include "archive/ImageArchive.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace {

enum Exit { kSuccess = 0, kDifferent = 1, kFailure = 2 };

// Gives the tools started from now on an archive folder of their own.
class ArchiveFolder
{
public:
    ArchiveFolder() { qputenv("SENTROVA_DATA_DIR", path().toLocal8Bit()); }
    QString path() const { return m_dir.filePath(QStringLiteral("data")); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

QString cell(const QString& line, int field)
{
    return line.split(u'\t').value(field);
}

} // namespace

class TestCliHistory : public QObject
{
    Q_OBJECT
private slots:
    // An installer reading eight modules on eight adapters from a script:
    // every tool archives its read.
    void eightToolsReadingAtOnce()
    {
        ArchiveFolder folder;
        std::vector<std::unique_ptr<SimProcess>> sims;
        std::vector<std::unique_ptr<QProcess>> tools;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SENTROVA_TICK_MS"), QStringLiteral("10"));
        for (int n = 0; n < 8; ++n) {
            sims.push_back(std::make_unique<SimProcess>());
            QVERIFY(sims.back()->running());
        }
        for (int n = 0; n < 8; ++n) {
            auto tool = std::make_unique<QProcess>();
            tool->setProcessEnvironment(environment);
            tool->start(qEnvironmentVariable("SENTROVA_CLI"),
                        {QStringLiteral("--port"), sims.at(std::size_t(n))->port(), QStringLiteral("--code"),
                         QStringLiteral("1234"), QStringLiteral("read"), folder.file(QStringLiteral("%1.SD2").arg(n))});
            tools.push_back(std::move(tool));
        }
        for (auto& tool : tools) {
            QVERIFY(tool->waitForFinished(kProgramTimeoutMs));
            const QString err = QString::fromUtf8(tool->readAllStandardError());
            QCOMPARE(tool->exitCode(), int(kSuccess));
            QVERIFY2(!err.contains(QStringLiteral("archiving is off")), qPrintable(err));
        }
        archive::ImageArchive archive(folder.path());
        const QList<archive::Entry> entries = archive.entries();
        QSet<QString> readPorts;
        for (const archive::Entry& entry : entries)
            if (entry.operation == archive::Operation::Read)
                readPorts.insert(entry.place);
        QCOMPARE(readPorts.size(), 8);
        for (const auto& sim : sims)
            QVERIFY(readPorts.contains(sim->port()));
        // Each read also saved its data file.
        QCOMPARE(entries.size(), 16);
    }

    void historyExportAndAtIds_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %1: the first read's id, %2: the write's
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("outLines");
        QTest::newRow("history") << QStringList{"history"} << int(kSuccess) << 4;
        QTest::newRow("newest two") << QStringList{"history", "--limit", "2"} << int(kSuccess) << 2;
        QTest::newRow("account") << QStringList{"history", "--account", "1a2f"} << int(kSuccess) << 4;
        QTest::newRow("other account") << QStringList{"history", "--account", "0000"} << int(kSuccess) << 0;
        QTest::newRow("site") << QStringList{"history", "--site", "malom"} << int(kSuccess) << 1;
        QTest::newRow("bad account") << QStringList{"history", "--account", "1A2"} << int(kFailure) << 0;
        QTest::newRow("bad limit") << QStringList{"history", "--limit", "0"} << int(kFailure) << 0;
        QTest::newRow("unknown subcommand") << QStringList{"history", "drop", "1", "x"} << int(kFailure) << 0;
        QTest::newRow("export, missing file") << QStringList{"history", "export", "1"} << int(kFailure) << 0;
        QTest::newRow("export") << QStringList{"history", "export", "%1", "out.SD2"} << int(kSuccess) << 0;
        QTest::newRow("export, @") << QStringList{"history", "export", "@%1", "out.SD2"} << int(kSuccess) << 0;
        QTest::newRow("export, unknown id") << QStringList{"history", "export", "999", "out.SD2"} << int(kFailure) << 0;
        QTest::newRow("diff, equal") << QStringList{"diff", "@%1", "@%1"} << int(kSuccess) << 0;
        QTest::newRow("diff, different") << QStringList{"diff", "@%1", "@%2"} << int(kDifferent) << 1;
        QTest::newRow("diff, entry and file") << QStringList{"diff", "@%2", "changed.SD2"} << int(kSuccess) << 0;
        QTest::newRow("diff, unknown id") << QStringList{"diff", "@%1", "@999"} << int(kFailure) << 0;
        QTest::newRow("diff, no number") << QStringList{"diff", "@%1", "@last"} << int(kFailure) << 0;
    }

    // Read the demo, write a changed zone name with --no-archive, compare
    // it, and give the first read a site: the list, its filters, the export and
    // "@ID" in diff behave by the exit status table.
    void historyExportAndAtIds()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, outLines);
        ArchiveFolder folder;
        SimProcess sim;
        QVERIFY(sim.running());
        const QString demo = folder.file(QStringLiteral("demo.SD2"));
        QCOMPARE(runOn(sim, {QStringLiteral("read"), demo}).exitCode, int(kSuccess)); // read + save
        QByteArray changed = readFile(demo);
        changed.replace(203, 10, "Tarolo    "); // zone 2's name
        const QString changedPath = folder.file(QStringLiteral("changed.SD2"));
        QVERIFY(writeFile(changedPath, changed));
        QCOMPARE(runOn(sim, {QStringLiteral("--no-archive"), QStringLiteral("write"), changedPath}).exitCode,
                 int(kSuccess));
        QCOMPARE(runOn(sim, {QStringLiteral("compare"), changedPath}).exitCode, int(kSuccess)); // open + compare

        archive::ImageArchive archive(folder.path());
        const QList<archive::Entry> entries = archive.entries();
        QCOMPARE(entries.size(), 4);
        const qint64 firstRead = entries.at(3).id;
        const qint64 compared = entries.at(0).id;
        QVERIFY(archive.setSiteAndNote(firstRead, QStringLiteral("Malom utca 3."), QString()));

        QStringList filled;
        for (const QString& argument : arguments)
            filled << QString(argument)
                          .replace(QStringLiteral("%1"), QString::number(firstRead))
                          .replace(QStringLiteral("%2"), QString::number(compared));
        QDir::setCurrent(QFileInfo(changedPath).absolutePath());
        const ProgramRun run = runCli(filled);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(lines(run.out).size(), outLines);
        if (arguments.contains("export") && exitCode == kSuccess)
            QCOMPARE(readFile(folder.file(QStringLiteral("out.SD2"))), readFile(demo));
        if (arguments == QStringList{"diff", "@%1", "@%2"})
            QCOMPARE(run.out, QStringLiteral("2. Zóna – Zóna neve: »Előszoba« → »Tarolo«\n"));
    }

    // The list's fields, tab-separated: id, UTC time, operation, account,
    // program version, data version, port or file, site, note.
    void historyLine()
    {
        ArchiveFolder folder;
        SimProcess sim;
        QVERIFY(sim.running());
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        QCOMPARE(runOn(sim, {QStringLiteral("--no-archive"), QStringLiteral("version")}).exitCode, int(kSuccess));
        QVERIFY(!QFileInfo::exists(folder.path()));
        QCOMPARE(runOn(sim, {QStringLiteral("compare"), QStringLiteral("@1")}).exitCode, int(kFailure));
        QCOMPARE(runOn(sim, {QStringLiteral("read"), folder.file(QStringLiteral("a.SD2")), QStringLiteral("--no-archive")})
                     .exitCode,
                 int(kSuccess));
        QCOMPARE(runOn(sim, {QStringLiteral("compare"), folder.file(QStringLiteral("a.SD2"))}).exitCode, int(kSuccess));
        {
            archive::ImageArchive archive(folder.path());
            QVERIFY(archive.setSiteAndNote(2, QStringLiteral("Malom\tutca"), QStringLiteral("új\nkészülék")));
        }
        const ProgramRun run = runCli({QStringLiteral("history")});
        QCOMPARE(run.exitCode, int(kSuccess));
        const QStringList shown = lines(run.out);
        QCOMPARE(shown.size(), 2);
        const QString compare = shown.at(0);
        QCOMPARE(compare.split(u'\t').size(), 9);
        QCOMPARE(cell(compare, 0), QStringLiteral("2"));
        const QDateTime time = QDateTime::fromString(cell(compare, 1), Qt::ISODate);
        QVERIFY2(cell(compare, 1).endsWith(u'Z') && time >= before && time <= QDateTime::currentDateTimeUtc(),
                 qPrintable(cell(compare, 1)));
        QCOMPARE(compare.section(u'\t', 2), QStringLiteral("compare\t1A2F\tGSM-SENTROVA V3.05\t2\t") + sim.port()
                                               + QStringLiteral("\tMalom utca\túj készülék"));
        QCOMPARE(shown.at(1).section(u'\t', 0, 0), QStringLiteral("1"));
        QCOMPARE(shown.at(1).section(u'\t', 2), QStringLiteral("open\t1A2F\t\t\t")
                                                    + folder.file(QStringLiteral("a.SD2")) + QStringLiteral("\t\t"));
    }

    // The sheet of an archived image carries the site the installer gave it
    // and the versions it was read with; a data file of the same account
    // takes the site from the archive too.
    void sheetOfAnArchivedImage()
    {
        ArchiveFolder folder;
        SimProcess sim;
        QVERIFY(sim.running());
        const QString file = folder.file(QStringLiteral("a.SD2"));
        QCOMPARE(runOn(sim, {QStringLiteral("read"), file}).exitCode, int(kSuccess));
        {
            archive::ImageArchive archive(folder.path());
            QVERIFY(archive.setSiteAndNote(1, QStringLiteral("Malom utca 7."), QString()));
        }
        const QString fromArchive = folder.file(QStringLiteral("archived.pdf"));
        QCOMPARE(runCli({QStringLiteral("sheet"), QStringLiteral("@1"), fromArchive}).exitCode, int(kSuccess));
        const QString archivedText = pdfText(fromArchive);
        QVERIFY2(archivedText.contains(QStringLiteral("Malom utca 7.")), qPrintable(archivedText.left(600)));
        QVERIFY2(archivedText.contains(QStringLiteral("GSM-SENTROVA V3.05")), qPrintable(archivedText.left(600)));

        const QString fromFile = folder.file(QStringLiteral("file.pdf"));
        QCOMPARE(runCli({QStringLiteral("--no-archive"), QStringLiteral("sheet"), file, fromFile}).exitCode,
                 int(kSuccess));
        const QString fileText = pdfText(fromFile);
        QVERIFY2(fileText.contains(QStringLiteral("Malom utca 7.")), qPrintable(fileText.left(600)));
        QVERIFY(!fileText.contains(QStringLiteral("GSM-SENTROVA V3.05")));
    }

    void archiveOffLeavesTheReadWorking_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a file in place of the folder") << "folder";
        QTest::newRow("random bytes in the file") << "file";
    }

    // The read and its data file are done; standard error says once that
    // archiving is off, and why.
    void archiveOffLeavesTheReadWorking()
    {
        QFETCH(QString, damage);
        ArchiveFolder folder;
        if (damage == "folder") {
            QVERIFY(writeFile(folder.path(), "not a folder"));
        } else {
            QVERIFY(QDir().mkpath(folder.path()));
            QByteArray noise;
            for (int i = 0; i < 8192; ++i)
                noise.append(char((i * 131 + 17) % 251));
            QVERIFY(writeFile(QDir(folder.path()).filePath(QStringLiteral("archive.sqlite")), noise));
        }
        SimProcess sim;
        QVERIFY(sim.running());
        const QString out = folder.file(QStringLiteral("out.SD2"));
        const ProgramRun run = runOn(sim, {QStringLiteral("read"), out});
        QCOMPARE(run.exitCode, int(kSuccess));
        QCOMPARE(readFile(out).size(), 2048);
        QCOMPARE(run.err.count(QStringLiteral("archiving is off")), 1);
        QVERIFY2(run.err.contains(QStringLiteral("sentrova-cli: archiving is off: az archívum ")), qPrintable(run.err));
        QCOMPARE(runCli({QStringLiteral("history")}).exitCode, int(kFailure));
    }
};

QTEST_GUILESS_MAIN(TestCliHistory)
#include "tst_cli_history.moc"
