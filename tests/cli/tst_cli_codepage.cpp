// The command-line tool refuses to run without the windows-1250 converter.
#include "cli/CodePage.h"
#include "link/Cp1250.h"

#include <QTest>

class TestCliCodePage : public QObject
{
    Q_OBJECT
private slots:
    void refusal_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("err");
        QTest::newRow("code page there") << true << QString();
        QTest::newRow("code page missing")
            << false
            << QStringLiteral("sentrova-cli: the windows-1250 code page is missing (Qt was built without ICU); "
                              "refusing to run rather than corrupt names.\n");
    }

    void refusal()
    {
        QFETCH(bool, available);
        QFETCH(QString, err);
        if (!available)
            setCp1250Check([] { return false; });
        QString written;
        QTextStream stream(&written);
        const bool ready = cli::codePageReady(stream);
        setCp1250Check(nullptr);
        QCOMPARE(ready, available);
        QCOMPARE(written, err);
    }
};

QTEST_APPLESS_MAIN(TestCliCodePage)
#include "tst_cli_codepage.moc"
