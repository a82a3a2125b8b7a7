#include "link/LineAssembler.h"
#include "link/MonitorLog.h"
#include "link/SerialLink.h"

#include <QTest>

class TestLineAssembly : public QObject
{
    Q_OBJECT
private slots:
    void linesFromByteStream_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QByteArray>("pending");
        QTest::newRow("CR LF") << QByteArrayList{"PWDOK\r\n"} << QByteArrayList{"PWDOK"} << QByteArray();
        QTest::newRow("LF CR") << QByteArrayList{"PWDOK\n\r"} << QByteArrayList{"PWDOK"} << QByteArray();
        QTest::newRow("lone CR") << QByteArrayList{"OK\rWROK\r"} << QByteArrayList{"OK", "WROK"} << QByteArray();
        QTest::newRow("LF does not end a line")
            << QByteArrayList{"OK\nOK\r"} << QByteArrayList{"OKOK"} << QByteArray();
        QTest::newRow("CR CR CR") << QByteArrayList{"\r\r\r"} << QByteArrayList{} << QByteArray();
        QTest::newRow("split over notifications")
            << QByteArrayList{"RD", "FL00", "11\r"} << QByteArrayList{"RDFL0011"} << QByteArray();
        QTest::newRow("partial line kept") << QByteArrayList{"OK\rPWD"} << QByteArrayList{"OK"}
                                           << QByteArray("PWD");
        QTest::newRow("zero byte kept") << QByteArrayList{QByteArray("A\0B\r", 4)}
                                        << QByteArrayList{QByteArray("A\0B", 3)} << QByteArray();
    }

    void linesFromByteStream()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QByteArrayList, lines);
        QFETCH(QByteArray, pending);
        QByteArrayList got;
        LineAssembler assembler([&](const QByteArray& line) { got << line; });
        for (const QByteArray& chunk : chunks)
            for (char c : chunk)
                assembler.feed(c);
        QCOMPARE(got, lines);
        QCOMPARE(assembler.pending(), pending);
    }

    void frameReplyArrivesWhole()
    {
        QByteArrayList got;
        LineAssembler assembler([&](const QByteArray& line) { got << line; });
        const QByteArray frameLine = "RDFL" + QByteArray(540, '7');
        for (int i = 0; i < frameLine.size(); ++i) {
            assembler.feed(frameLine[i]);
            QVERIFY(got.isEmpty());
        }
        assembler.feed('\r');
        QCOMPARE(got, QByteArrayList{frameLine});
    }

    void overlongLineIsDroppedAndNextLineIsWhole()
    {
        QByteArrayList got;
        LineAssembler assembler([&](const QByteArray& line) { got << line; });
        for (int i = 0; i < 3 * LineAssembler::kMaxLineLength; ++i)
            assembler.feed('x');
        QVERIFY(assembler.pending().size() <= LineAssembler::kMaxLineLength);
        assembler.feed('\r');
        QVERIFY(got.isEmpty());
        for (char c : QByteArray("PWDOK\r"))
            assembler.feed(c);
        QCOMPARE(got, QByteArrayList{"PWDOK"});
    }

    void lineAtTheCapIsStillDelivered()
    {
        QByteArrayList got;
        LineAssembler assembler([&](const QByteArray& line) { got << line; });
        for (int i = 0; i < LineAssembler::kMaxLineLength; ++i)
            assembler.feed('y');
        assembler.feed('\r');
        QCOMPARE(got.size(), 1);
        QCOMPARE(got.first().size(), LineAssembler::kMaxLineLength);
    }

    void failingHandlerLeavesNoRemnant()
    {
        QByteArrayList got;
        bool fail = true;
        LineAssembler assembler([&](const QByteArray& line) {
            if (std::exchange(fail, false))
                throw std::runtime_error("handler failed");
            got << line;
        });
        try {
            for (char c : QByteArray("BAD\r"))
                assembler.feed(c);
        } catch (const std::runtime_error&) {
        }
        for (char c : QByteArray("PWDOK\r"))
            assembler.feed(c);
        QCOMPARE(got, QByteArrayList{"PWDOK"});
    }

    void monitorAppendRule()
    {
        MonitorLog log;
        QVERIFY(log.lines().isEmpty());
        log.append(QStringLiteral("PWDOK"));
        QCOMPARE(log.lines(), (QStringList{"PWDOK", ""}));
        log.append(QStringLiteral("------> AT"));
        QCOMPARE(log.lines(), (QStringList{"PWDOK", "------> AT", ""}));
        log.clear();
        log.append(QStringLiteral("OK"));
        QCOMPARE(log.lines(), (QStringList{"OK", ""}));
    }

    void monitorKeepsTheNewestHundredThousandLines()
    {
        MonitorLog log;
        for (int n = 1; n <= 100001; ++n)
            log.append(QString::number(n));
        QCOMPARE(log.rowCount(), 100001);
        QCOMPARE(log.lines().first(), QStringLiteral("2"));
        QCOMPARE(log.lines().at(99999), QStringLiteral("100001"));
        QCOMPARE(log.lines().last(), QString());
    }

    void monitorKeepsLinesWholeWhileItDropsTheOldest()
    {
        // Lines of every length, empty ones and some longer than 64 KiB among
        // them, go in many times over what is kept; the newest five come back
        // as they went in.
        const auto lineNumber = [](int n) {
            const int length = n % 9 == 0 ? 70000 + n : (n % 4) * (n % 11) * 1500;
            return QString(length, QChar(u'a' + n % 26)) + (n % 3 == 0 ? QStringLiteral("ő") : QString());
        };
        MonitorLog log(nullptr, 5);
        for (int n = 1; n <= 400; ++n) {
            log.append(lineNumber(n));
            QCOMPARE(log.rowCount(), std::min(n, 5) + 1);
        }
        const QStringList lines = log.lines();
        QCOMPARE(lines.size(), 6);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(lines.at(i), lineNumber(396 + i));
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines.at(0).size(), 70396 + 1);
    }

    void portNames_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("used");
        QTest::newRow("COM1") << "COM1" << "COM1";
        QTest::newRow("COM10 stays whole") << "COM10" << "COM10";
        QTest::newRow("lower case") << "com7" << "COM7";
        QTest::newRow("COM96") << "COM96" << "COM96";
        QTest::newRow("COM97 out of range") << "COM97" << "COM1";
        QTest::newRow("COM0") << "COM0" << "COM1";
        QTest::newRow("COM no number") << "COMx" << "COM1";
        QTest::newRow("empty") << "" << "COM1";
        QTest::newRow("device name") << "ttyUSB0" << "ttyUSB0";
        QTest::newRow("device path") << "/tmp/sentrova/m" << "/tmp/sentrova/m";
    }

    void portNames()
    {
        QFETCH(QString, given);
        QFETCH(QString, used);
        QCOMPARE(normalisePortName(given), used);
    }
};

QTEST_APPLESS_MAIN(TestLineAssembly)
#include "tst_lineassembly.moc"
