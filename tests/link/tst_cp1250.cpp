// Text in the module's code page, with and without the converter.
#include "link/Cp1250.h"

#include <QTest>

class TestCp1250 : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setCp1250Check(nullptr); }

    void conversions_data()
    {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("accents") << true << QStringLiteral("Ősz Győző ű") << QByteArray("\xD5sz Gy\xF5z\xF5 \xFB")
                                 << QStringLiteral("Ősz Győző ű");
        QTest::newRow("outside the code page") << true << QStringLiteral("Ω€😀") << QByteArray("?\x80?")
                                               << QStringLiteral("?€?");
        // Without the converter: never the Latin-1 look-alikes "Õ" and "õ".
        QTest::newRow("no converter") << false << QStringLiteral("Ősz Győző ű") << QByteArray("?sz Gy?z? ?")
                                      << QStringLiteral("?sz Gy?z? ?");
        QTest::newRow("no converter, one ? a character") << false << QStringLiteral("A😀B") << QByteArray("A?B")
                                                         << QStringLiteral("A?B");
    }

    void conversions()
    {
        QFETCH(bool, available);
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, readBack);
        if (!available)
            setCp1250Check([] { return false; });
        QCOMPARE(cp1250Available(), available);
        QCOMPARE(toCp1250(text), bytes);
        QCOMPARE(fromCp1250(bytes), readBack);
    }

    void latin1BytesAreNotTakenForLetters()
    {
        setCp1250Check([] { return false; });
        QCOMPARE(fromCp1250("\xD5\xF5\xFB"), QStringLiteral("???"));
    }
};

QTEST_APPLESS_MAIN(TestCp1250)
#include "tst_cp1250.moc"
