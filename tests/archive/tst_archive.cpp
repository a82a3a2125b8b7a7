// The archive of parameter images: what the transfers and data files leave
// in a real SQLite file in a scratch folder, images stored once, the file's
// permissions, and archives that cannot be used leaving the transfers working.
#include "FileBytes.h"
#include "LinkedModule.h"
#include "TestTicks.h"

#include "archive/ImageArchive.h"
#include "params/ImageArchiving.h"
#include "params/ParameterTransfer.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using archive::ImageArchive;
using archive::Operation;
using params::ParameterImage;
using params::ParameterTransfer;
using params::TransferOutcome;

Q_DECLARE_METATYPE(archive::Operation)

namespace {

// The permission bits of a file, as `ls -l` shows them in octal.
int modeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

QByteArray bytesOf(const ParameterImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data()), ParameterImage::kSize);
}

// One value of the archive file, read with a connection of the test's own.
QVariant sqlValue(const QString& file, const QString& statement)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(statement) && query.next())
                value = query.value(0);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return value;
}

enum class Action { Read, Write, Compare, CompareDiffersFirst, CompareDiffersLast, SaveFile, OpenFile };

// A simulated module, an image, a transfer and an archive in a scratch folder.
struct Rig
{
    Rig()
        : archive(dir.filePath(QStringLiteral("data")))
        , transfer(m.link, image)
    {
        transfer.setArchive(&archive);
    }

    QString file(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    LinkedModule m;
    ParameterImage image;
    ImageArchive archive;
    ParameterTransfer transfer;
};

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void eachOperationLeavesOneEntry_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("entries");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<bool>("fromModule"); // versions and the port, not a file
        QTest::addColumn<QString>("account");
        QTest::newRow("read") << Action::Read << 1 << Operation::Read << true << "1A2F";
        QTest::newRow("write") << Action::Write << 1 << Operation::Write << true << "3B00";
        QTest::newRow("compare, equal") << Action::Compare << 1 << Operation::Compare << true << "1A2F";
        // The comparison stops at block 1: it has not read the module's memory.
        QTest::newRow("compare, differs at once") << Action::CompareDiffersFirst << 0 << Operation::Compare << true
                                                  << "";
        // Block 8 differs: all eight were read, and the module's bytes are kept.
        QTest::newRow("compare, differs in block 8") << Action::CompareDiffersLast << 1 << Operation::Compare << true
                                                     << "1A2F";
        QTest::newRow("file saved") << Action::SaveFile << 1 << Operation::FileSaved << false << "0C0D";
        QTest::newRow("file opened") << Action::OpenFile << 1 << Operation::FileOpened << false << "0C0D";
    }

    // The entry's fields: its operation, the port or the file, the module's
    // versions from the transfer's version query, the account from bytes
    // 1787..1790, the time, and the image that the module or file holds.
    void eachOperationLeavesOneEntry()
    {
        QFETCH(Action, action);
        QFETCH(int, entries);
        QFETCH(Operation, operation);
        QFETCH(bool, fromModule);
        QFETCH(QString, account);
        Rig r;
        QVERIFY(r.m.connect());
        const ParameterImage demo = imageOf(r.m.sim.module().memory().active());
        ParameterImage expected = demo;
        const QString dataFile = r.file(QStringLiteral("site.SD2"));
        const QDateTime before = QDateTime::currentDateTimeUtc();
        switch (action) {
        case Action::Read: QCOMPARE(r.transfer.read(), TransferOutcome::Done); break;
        case Action::Write:
            r.image = demo;
            for (auto [at, value] : {std::pair{1787, 3}, {1788, 11}, {1789, 0}, {1790, 0}})
                r.image.set(at, std::uint8_t(value));
            expected = r.image;
            QCOMPARE(r.transfer.write(), TransferOutcome::Done);
            break;
        case Action::Compare:
            r.image = demo;
            // Codes are not compared; the module's are archived.
            r.image.set(10, 0x12);
            QCOMPARE(r.transfer.compare(), TransferOutcome::Done);
            break;
        case Action::CompareDiffersFirst:
            r.image = demo;
            r.image.set(0, 'X');
            QCOMPARE(r.transfer.compare(), TransferOutcome::Differs);
            break;
        case Action::CompareDiffersLast:
            r.image = demo;
            r.image.set(2047, std::uint8_t(demo.at(2047) ^ 0xFF));
            QCOMPARE(r.transfer.compare(), TransferOutcome::Differs);
            break;
        case Action::SaveFile:
        case Action::OpenFile:
            r.m.link.serial().close();
            expected.set(1787, 0);
            expected.set(1788, 12);
            expected.set(1789, 0);
            expected.set(1790, 13);
            if (action == Action::SaveFile) {
                QVERIFY(params::SaveAndArchive(dataFile, expected, &r.archive));
            } else {
                QVERIFY(writeFile(dataFile, bytesOf(expected)));
                QVERIFY(params::OpenAndArchive(dataFile, r.image, &r.archive));
            }
            break;
        }
        const QDateTime after = QDateTime::currentDateTimeUtc();

        const QList<archive::Entry> archived = r.archive.entries();
        QCOMPARE(archived.size(), entries);
        if (entries == 0)
            return;
        const archive::Entry& entry = archived.first();
        QCOMPARE(entry.operation, operation);
        QCOMPARE(entry.account, account);
        QVERIFY(entry.time >= before.addMSecs(-1) && entry.time <= after.addMSecs(1));
        QCOMPARE(entry.time.timeSpec(), Qt::UTC);
        QCOMPARE(entry.place, fromModule ? r.m.sim.linkPath() : QFileInfo(dataFile).absoluteFilePath());
        QCOMPARE(entry.programVersion, fromModule ? QStringLiteral("GSM-SENTROVA V3.05") : QString());
        QCOMPARE(entry.dataVersion, fromModule ? std::optional<int>(2) : std::nullopt);
        QCOMPARE(entry.site, QString());
        QCOMPARE(entry.note, QString());
        QCOMPARE(r.archive.image(entry.id).value_or(QByteArray()), bytesOf(expected));
    }

    // The file itself, for the tool and later versions: UTC milliseconds, the
    // operation word and the schema version.
    void fileFormat()
    {
        Rig r;
        QVERIFY(r.m.connect());
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        QCOMPARE(r.transfer.read(), TransferOutcome::Done);
        const QString file = r.archive.filePath();
        QCOMPARE(file, r.file(QStringLiteral("data/archive.sqlite")));
        QCOMPARE(sqlValue(file, QStringLiteral("PRAGMA user_version")).toInt(), 1);
        QCOMPARE(sqlValue(file, QStringLiteral("SELECT operation FROM entries")).toString(), QStringLiteral("read"));
        QCOMPARE(sqlValue(file, QStringLiteral("SELECT account FROM entries")).toString(), QStringLiteral("1A2F"));
        const qint64 time = sqlValue(file, QStringLiteral("SELECT time_ms FROM entries")).toLongLong();
        QVERIFY(time >= before && time <= QDateTime::currentMSecsSinceEpoch());
        QCOMPARE(sqlValue(file, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    }

    void identicalImagesAreStoredOnce()
    {
        Rig r;
        QVERIFY(r.m.connect());
        QCOMPARE(r.transfer.read(), TransferOutcome::Done);
        QCOMPARE(r.transfer.compare(), TransferOutcome::Done);
        QVERIFY(params::SaveAndArchive(r.file(QStringLiteral("a.SD2")), r.image, &r.archive));
        QCOMPARE(r.archive.entries().size(), 3);
        QCOMPARE(sqlValue(r.archive.filePath(), QStringLiteral("SELECT COUNT(*) FROM images")).toInt(), 1);

        r.image.set(500, std::uint8_t(r.image.at(500) + 1));
        QVERIFY(params::SaveAndArchive(r.file(QStringLiteral("b.SD2")), r.image, &r.archive));
        QCOMPARE(sqlValue(r.archive.filePath(), QStringLiteral("SELECT COUNT(*) FROM images")).toInt(), 2);
        const QList<archive::Entry> entries = r.archive.entries();
        QCOMPARE(r.archive.image(entries.at(0).id).value_or(QByteArray()), bytesOf(r.image));
        QVERIFY(r.archive.image(entries.at(1).id) != r.archive.image(entries.at(0).id));
    }

    // The images hold codes: the folder made for the archive, the file and
    // SQLite's -wal and -shm files beside it are the owner's alone, and a
    // file found open to others is closed to them.
    void ownerOnlyPermissions()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("new/data"));
        {
            ImageArchive archive(folder);
            QVERIFY(archive.add({Operation::Read, QStringLiteral("/dev/x"), {}, {}, QStringLiteral("0000"),
                                 QByteArray(2048, '\0'), {}}));
            QCOMPARE(modeOf(folder), 0700);
            for (const char* suffix : {"", "-wal", "-shm"}) {
                const QString path = archive.filePath() + QLatin1String(suffix);
                QVERIFY2(QFileInfo::exists(path), qPrintable(path));
                QCOMPARE(modeOf(path), 0600);
            }
        }
        const QString file = QDir(folder).filePath(QStringLiteral("archive.sqlite"));
        QVERIFY(::chmod(QFile::encodeName(file).constData(), 0644) == 0);
        ImageArchive again(folder);
        QCOMPARE(again.entries().size(), 1);
        QCOMPARE(modeOf(file), 0600);
    }

    void unusableArchiveLeavesTransfersWorking_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reasonStart");
        // A file where the folder should be: permissions alone do not stop root.
        QTest::newRow("folder cannot be made") << "file in place of the folder"
                                               << "az archívum mappája nem hozható létre: ";
        QTest::newRow("corrupt file") << "random bytes" << "az archívum nem nyitható meg: ";
        QTest::newRow("newer schema") << "newer schema"
                                      << "az archívum nem nyitható meg: ";
    }

    // Read, compare and a data file all work; archiving says once that it
    // is off, and why.
    void unusableArchiveLeavesTransfersWorking()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reasonStart);
        Rig r;
        const QString folder = r.file(QStringLiteral("data"));
        const QString file = QDir(folder).filePath(QStringLiteral("archive.sqlite"));
        if (damage == "file in place of the folder") {
            QVERIFY(writeFile(folder, "not a folder"));
        } else if (damage == "random bytes") {
            QVERIFY(QDir().mkpath(folder));
            QByteArray noise(64 * 1024, '\0');
            QRandomGenerator generator(7);
            for (char& c : noise)
                c = char(generator.bounded(256));
            QVERIFY(writeFile(file, noise));
        } else {
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(sqlValue(file, QStringLiteral("PRAGMA user_version = 99")), QVariant());
            QCOMPARE(sqlValue(file, QStringLiteral("PRAGMA user_version")).toInt(), 99);
        }
        QSignalSpy off(&r.archive, &ImageArchive::turnedOff);
        QVERIFY(r.m.connect());
        QCOMPARE(r.transfer.read(), TransferOutcome::Done);
        QVERIFY(r.image == imageOf(r.m.sim.module().memory().active()));
        QCOMPARE(r.transfer.compare(), TransferOutcome::Done);
        QVERIFY(params::SaveAndArchive(r.file(QStringLiteral("a.SD2")), r.image, &r.archive));
        QCOMPARE(off.size(), 1);
        const QString reason = off.at(0).at(0).toString();
        QVERIFY2(reason.startsWith(reasonStart), qPrintable(reason));
        QCOMPARE(r.archive.offReason(), reason);
        QVERIFY(r.archive.entries().isEmpty());
        if (damage == "newer schema") {
            // Left as the newer program made it.
            QVERIFY2(reason.contains(QStringLiteral("egy újabb program archívuma (sémaverzió 99)")), qPrintable(reason));
            QCOMPARE(sqlValue(file, QStringLiteral("PRAGMA user_version")).toInt(), 99);
        }
    }
};

QTEST_MAIN(TestArchive)
#include "tst_archive.moc"
