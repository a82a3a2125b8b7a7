#include "FieldProbe.h"
#include "FileSizeLimit.h"
#include "TmpfsMount.h"
#include "params/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace params;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray asBytes(const ParameterImage& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data()), ParameterImage::kSize);
}

QByteArray noiseBytes(qsizetype size, unsigned seed)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += asBytes(noiseImage(seed + unsigned(i)));
    return bytes.left(size);
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT
private slots:
    void dialogTexts()
    {
        QCOMPARE(datafile::kFilter, QStringLiteral("GSM Sentrova Data File ver.2|*.SD2"));
        QCOMPARE(datafile::kQtFilter, QStringLiteral("GSM Sentrova Data File ver.2 (*.SD2)"));
        QCOMPARE(datafile::toQtFilter(QStringLiteral("A|*.a;*.b|B|*.c")), QStringLiteral("A (*.a *.b);;B (*.c)"));
        QCOMPARE(datafile::kDefaultSuffix, QStringLiteral("SD2"));
        QCOMPARE(datafile::kInitialFileName, QStringLiteral("*.SD2"));
    }

    void blocksAreConsecutive256ByteSlices()
    {
        ParameterImage image = noiseImage(5);
        for (int n = 0; n < ParameterImage::kBlockCount; ++n) {
            QCOMPARE(image.block(n).front(), image.at(256 * n));
            QCOMPARE(image.block(n).back(), image.at(256 * n + 255));
        }
        image.block(7)[255] = 0xA5;
        QCOMPARE(image.at(2047), 0xA5);
    }

    void savedImageReopensIdentical()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("data.SD2"));
        writeFile(path, QByteArray(5000, 'x')); // an older, longer file is replaced
        const ParameterImage image = noiseImage(1);
        QVERIFY(SaveDataFile(path, image).ok());
        QCOMPARE(fileBytes(path), asBytes(image));

        ParameterImage reopened;
        QVERIFY(OpenDataFile(path, reopened).ok());
        QCOMPARE(reopened, image);
    }

    void openTakesFirst2048BytesOrNothing_data()
    {
        QTest::addColumn<int>("fileSize"); // -1: no such file
        QTest::addColumn<bool>("accepted");
        QTest::newRow("missing") << -1 << false;
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("one block") << 256 << false;
        QTest::newRow("one byte short") << 2047 << false;
        QTest::newRow("exact") << 2048 << true;
        QTest::newRow("longer") << 3000 << true;
    }

    void openTakesFirst2048BytesOrNothing()
    {
        QFETCH(int, fileSize);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.SD2"));
        const QByteArray content = noiseBytes(qMax(fileSize, 0), 2);
        if (fileSize >= 0)
            writeFile(path, content);

        const ParameterImage before = noiseImage(3);
        ParameterImage image = before;
        const FileResult result = OpenDataFile(path, image);
        QCOMPARE(result.ok(), accepted);
        QCOMPARE(result.error.isEmpty(), accepted);
        QCOMPARE(asBytes(image), accepted ? content.left(ParameterImage::kSize) : asBytes(before));
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("isDirectory");
        QTest::addColumn<int>("sizeLimit"); // 0: none
        // The temporary file's name (the target's plus a suffix) is longer
        // than a file name may be, so the new data never gets written.
        QTest::newRow("temporary name too long") << QString(250, u'd') << false << 0;
        // A directory cannot be replaced by the data file.
        QTest::newRow("target is a directory") << QStringLiteral("folder.SD2") << true << 0;
        // The write itself fails part way, as on a full disk.
        QTest::newRow("write fails after 1000 bytes") << QStringLiteral("data.SD2") << false << 1000;
        QTest::newRow("write fails at once") << QStringLiteral("data.SD2") << false << 1;
    }

    void failedSaveKeepsOldFile()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, isDirectory);
        QFETCH(int, sizeLimit);
        QTemporaryDir dir;
        const QString path = dir.filePath(fileName);
        const QByteArray old("old data");
        if (isDirectory)
            QVERIFY(QDir(dir.path()).mkdir(fileName));
        else
            writeFile(path, old);

        FileResult result;
        if (sizeLimit > 0) {
            const FileSizeLimit limit{rlim_t(sizeLimit)};
            result = SaveDataFile(path, noiseImage(4));
        } else {
            result = SaveDataFile(path, noiseImage(4));
        }
        QVERIFY(!result.ok());
        QVERIFY2(result.error.startsWith(QStringLiteral("A fájl nem írható: ") + path + u'\n'), qPrintable(result.error));
        if (isDirectory)
            QVERIFY(QFileInfo(path).isDir());
        else
            QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), isDirectory ? 0 : 1);
    }

    void fullFileSystemKeepsOldFile_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("data file") << 2048;
        QTest::newRow("longer file") << 20000;
    }

    void fullFileSystemKeepsOldFile()
    {
        QFETCH(int, size);
        QTemporaryDir dir;
        const TmpfsMount disk(dir.path(), 64);
        if (!disk.mounted())
            QSKIP("Mounting a small tmpfs needs root: the save on a really full disk is not tested.");
        const QString path = dir.filePath(QStringLiteral("data.SD2"));
        const QByteArray old = noiseBytes(2048, 30);
        writeFile(path, old);
        // Fill the rest of the file system.
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(4096, 'f');
        while (filler.write(chunk) > 0) {
        }
        filler.close();

        const FileResult result = SaveWholeFile(path, noiseBytes(size, 31));
        QVERIFY(!result.ok());
        QVERIFY2(result.error.startsWith(QStringLiteral("A fájl nem írható: ") + path + u'\n'), qPrintable(result.error));
        QCOMPARE(fileBytes(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("data.SD2"), QStringLiteral("filler")}));
    }
};

QTEST_APPLESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
