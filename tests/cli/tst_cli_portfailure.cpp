// Why a port could not be opened, told from the device itself: missing, held
// through a lock on the device, held through a lock file, or none of these.
#include "cli/PortOpenFailure.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A pseudo-terminal whose far side this test holds, so that its device stays.
struct Pty
{
    Pty() { ::openpty(&master, &slave, name, nullptr, nullptr); }
    ~Pty()
    {
        ::close(slave);
        ::close(master);
    }
    QString path() const { return QString::fromLocal8Bit(name); }

    int master = -1;
    int slave = -1;
    char name[64] = {};
};

// The lock file that serial programs put in /tmp for `path` under /dev.
QString lockFilePath(const QString& path)
{
    return QStringLiteral("/tmp/LCK..") + path.mid(5).replace(u'/', u'_');
}

qint64 finishedProcessId()
{
    QProcess process;
    process.start(QStringLiteral("true"));
    process.waitForFinished();
    return process.processId() > 0 ? process.processId() : 999999;
}

} // namespace

class TestPortFailure : public QObject
{
    Q_OBJECT
private slots:
    void missingDevice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no file") << "nothing-here";
        QTest::newRow("link to nowhere") << "dangling";
    }

    void missingDevice()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling"))));
        QCOMPARE(cli::portOpenFailure(dir.filePath(name), QSerialPort::PermissionError, QStringLiteral("x")),
                 QStringLiteral("no such device"));
    }

    void heldOrNot_data()
    {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<QString>("reason");
        const QString busy = QStringLiteral("busy: another program has the port open");
        QTest::newRow("lock on the device") << "flock" << busy;
        QTest::newRow("lock file of a running program") << "living" << busy;
        QTest::newRow("lock file of a finished program")
            << "finished" << "the device refused to open (Permission error while locking the device)";
        QTest::newRow("nothing") << "" << "the device refused to open (Permission error while locking the device)";
    }

    void heldOrNot()
    {
        QFETCH(QString, holder);
        QFETCH(QString, reason);
        Pty pty;
        QVERIFY(pty.slave >= 0);
        // The holder's own open file of the device, as another program has.
        const int held = ::open(pty.name, O_RDWR | O_NOCTTY);
        QVERIFY(held >= 0);
        if (holder == "flock")
            QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
        QFile lock(lockFilePath(pty.path()));
        if (holder == "living" || holder == "finished") {
            QVERIFY(lock.open(QIODevice::WriteOnly));
            const qint64 pid = holder == "living" ? qint64(::getppid()) : finishedProcessId();
            lock.write(QByteArray::number(pid).rightJustified(10, ' ') + '\n');
            lock.close();
        }
        const QString said = cli::portOpenFailure(pty.path(), QSerialPort::PermissionError,
                                                  QStringLiteral("Permission error while locking the device"));
        lock.remove();
        ::close(held);
        QCOMPARE(said, reason);
    }
};

QTEST_GUILESS_MAIN(TestPortFailure)
#include "tst_cli_portfailure.moc"
