// The support trace: what crossed the line, one timestamped line each way.
#include "link/SessionLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSessionLog : public QObject
{
    Q_OBJECT
private slots:
    void linesWithDirectionAndTime()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("session.log"));
        int tick = 0;
        {
            SessionLog log([&tick] { return QStringLiteral("t%1").arg(++tick); });
            QVERIFY(log.open(path));
            log.sent("RPWD");
            log.sent("EDCB00\r");
            log.received("PWD");
            log.received("OK\r\n");
            log.sent("+++");      // no CR: closed by the answer
            log.received("OK\r");
            log.received("AT_/Konyha \x01\xF5\r"); // a control byte and windows-1250 "ő"
            log.sent("RDFL0000\r");
        }
        {
            // A second session appends.
            SessionLog log([] { return QStringLiteral("t9"); });
            QVERIFY(log.open(path));
            log.sent("ATH\r");
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral("t1 >> RPWDEDCB00\n"
                                "t2 << PWDOK\n"
                                "t3 >> +++\n"
                                "t4 << OK\n"
                                "t5 << AT_/Konyha \\x01ő\n"
                                "t6 >> RDFL0000\n"
                                "t9 >> ATH\n"));
    }

    void unwritablePathSaysWhy()
    {
        SessionLog log;
        QString error;
        QVERIFY(!log.open(QStringLiteral("/nonexistent-folder/session.log"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSessionLog)
#include "tst_sessionlog.moc"
