// The settings file: its exact text form, and defaults for anything broken.
#include "mainwin/SettingsFile.h"
#include "mainwin/SettingsGrid.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeFile(const QTemporaryDir& dir, const QByteArray& content)
{
    const QString path = dir.filePath(settings_file::kFileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return path;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void writtenForm_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("both") << "COM3" << "06301234567"
                              << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,COM3\r\n1,0,06301234567\r\n");
        QTest::newRow("no telephone number")
            << "COM1" << "" << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,COM1\r\n");
        QTest::newRow("device path") << "/dev/ttyUSB0" << "123"
                                     << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,/dev/ttyUSB0\r\n1,0,123\r\n");
        QTest::newRow("CR and LF stand-ins")
            << "COM2" << "1\r2\n3" << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,COM2\r\n1,0,1\t2\b3\r\n");
        QTest::newRow("commas kept") << "COM4" << "1,2,3"
                                     << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,COM4\r\n1,0,1,2,3\r\n");
    }

    void writtenForm()
    {
        QFETCH(QString, port);
        QFETCH(QString, phone);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/") + settings_file::kFileName);
        QVERIFY(settings_file::save(path, {port, phone}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        const auto back = settings_file::load(path);
        QVERIFY(back.has_value());
        QCOMPARE(back->portName, port);
        QCOMPARE(back->phoneNumber, phone);
    }

    void readForms_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("phone");
        QTest::newRow("no port line") << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n1,0,555\r\n") << true << ""
                                      << "555";
        QTest::newRow("no cell lines") << QByteArray("2,1\r\n") << true << "" << "";
        QTest::newRow("without final line end") << QByteArray("2,1\r\n0,0,COM7") << true << "COM7" << "";
        QTest::newRow("width of a missing column ignored")
            << QByteArray("2,1\r\ncw 5,20\r\n0,0,COM2\r\n") << true << "COM2" << "";
        QTest::newRow("cell outside the grid ignored")
            << QByteArray("2,1\r\n0,0,COM2\r\n4,4,x\r\n") << true << "COM2" << "";
        QTest::newRow("empty file") << QByteArray() << false << "" << "";
        QTest::newRow("bad count line") << QByteArray("two,one\r\n0,0,COM2\r\n") << false << "" << "";
        QTest::newRow("no rows") << QByteArray("2,0\r\n") << false << "" << "";
        QTest::newRow("grid without telephone column") << QByteArray("1,1\r\n0,0,COM2\r\n") << false << "" << "";
        QTest::newRow("line with one comma") << QByteArray("2,1\r\n0,COM2\r\n") << false << "" << "";
        QTest::newRow("column no number") << QByteArray("2,1\r\nx,0,COM2\r\n") << false << "" << "";
        QTest::newRow("binary junk") << QByteArray("\x01\x02\xFF") << false << "" << "";
        // Edited by hand: a final empty line, line ends without CR.
        QTest::newRow("trailing empty line")
            << QByteArray("2,1\r\ncw 0,20\r\ncw 1,20\r\n0,0,COM3\r\n1,0,0630\r\n\r\n") << true << "COM3" << "0630";
        QTest::newRow("LF line ends") << QByteArray("2,1\ncw 0,20\ncw 1,20\n0,0,COM3\n1,0,0630\n") << true << "COM3"
                                      << "0630";
        QTest::newRow("LF line ends, empty last line") << QByteArray("2,1\n0,0,COM3\n1,0,0630\n\n") << true << "COM3"
                                                       << "0630";
        QTest::newRow("empty line inside") << QByteArray("2,1\r\n\r\n0,0,COM3\r\n") << false << "" << "";
        // Counts far beyond any grid this program writes: broken, not a
        // product that overflows or a huge allocation.
        QTest::newRow("larger grid") << QByteArray("100,100\r\n0,0,COM3\r\n1,0,0630\r\n99,99,x\r\n") << true
                                     << "COM3" << "0630";
        QTest::newRow("too many columns") << QByteArray("101,1\r\n0,0,COM3\r\n") << false << "" << "";
        QTest::newRow("product overflows") << QByteArray("46341,46341\r\n0,0,COM3\r\n") << false << "" << "";
        QTest::newRow("huge grid") << QByteArray("10000,10000\r\n0,0,COM3\r\n") << false << "" << "";
        QTest::newRow("beyond int") << QByteArray("2,99999999999\r\n0,0,COM3\r\n") << false << "" << "";
    }

    void readForms()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, valid);
        QFETCH(QString, port);
        QFETCH(QString, phone);
        QTemporaryDir dir;
        const auto settings = settings_file::load(writeFile(dir, content));
        QCOMPARE(settings.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(settings->portName, port);
        QCOMPARE(settings->phoneNumber, phone);
    }

    void missingFileGivesNothing()
    {
        QTemporaryDir dir;
        QVERIFY(!settings_file::load(dir.filePath(QStringLiteral("absent.ini"))).has_value());
    }

    void unwritableTargetFails()
    {
        QTemporaryDir dir;
        // A folder where the file should be cannot be replaced by it.
        const QString path = dir.filePath(settings_file::kFileName);
        QVERIFY(QDir().mkpath(path));
        QVERIFY(!settings_file::save(path, {QStringLiteral("COM1"), QString()}));
    }

    void folderFollowsTheEnvironment()
    {
        QTemporaryDir dir;
        qputenv(settings_file::kFolderVariable, dir.path().toLocal8Bit());
        QCOMPARE(settings_file::path(), dir.filePath(settings_file::kFileName));
        qunsetenv(settings_file::kFolderVariable);
        QVERIFY(settings_file::path().endsWith(QStringLiteral("/") + settings_file::kFileName));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
