#include "link/Commands.h"

#include <QTest>

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void installerCodeKeepsDigitsOnly_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("code");
        QTest::newRow("digits") << "1234" << "1234";
        QTest::newRow("letter among three digits") << "1a23" << "123";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only letters") << "abc" << "";
        QTest::newRow("blanks and signs") << " 9-8 " << "98";
        QTest::newRow("accented letter") << QString::fromUtf8("1é2") << "12";
    }

    void installerCodeKeepsDigitsOnly()
    {
        QFETCH(QString, edit);
        QFETCH(QString, code);
        QCOMPARE(GetInstallerCode(edit), code);
    }

    void encodedCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("four digits") << "1234" << QByteArray("EDCB00");
        QTest::newRow("six digits") << "123456" << QByteArray("EDCBA9");
        QTest::newRow("six zeros") << "000000" << QByteArray("FFFFFF");
        QTest::newRow("nines") << "99" << QByteArray("660000");
        QTest::newRow("empty") << "" << QByteArray("000000");
        QTest::newRow("three digits") << "123" << QByteArray("EDC000");
        QTest::newRow("beyond six ignored") << "12345678" << QByteArray("EDCBA9");
        QTest::newRow("every digit") << "789" << QByteArray("876000");
    }

    void encodedCode()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, encoded);
        QCOMPARE(encodeInstallerCode(code), encoded);
    }

    void commandLines_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("line");
        const QByteArray code = "EDCB00";
        const char* words[] = {"RPWD", "RPWS", "RPWE", "RSTP", "PT1D", "PT2D", "PT1A", "PT2A", "RPWF", "DLRF"};
        for (int i = 0; i < 10; ++i)
            QTest::addRow("index %d", i) << i << QByteArray(words[i]) + code;
        QTest::newRow("teach place 0") << 128 << QByteArray("TRF0") + code;
        QTest::newRow("teach place 9") << 137 << QByteArray("TRF9") + code;
        QTest::newRow("teach place 10") << 138 << QByteArray("TRF:") + code;
        QTest::newRow("teach place 16") << 144 << QByteArray("TRF@") + code;
        QTest::newRow("teach place 17") << 145 << QByteArray("TRFA") + code;
        QTest::newRow("teach place 35") << 163 << QByteArray("TRFS") + code;
    }

    void commandLines()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, line);
        const auto sent = commandLine(std::uint8_t(index), QStringLiteral("1234"));
        QVERIFY(sent.has_value());
        QCOMPARE(*sent, line);
    }

    void everyIndexFollowsTheTable()
    {
        for (int index = 0; index < 256; ++index) {
            const auto sent = commandLine(std::uint8_t(index), QString());
            const bool hasCommand = index <= 9 || (index >= 128 && index <= 163);
            QCOMPARE(sent.has_value(), hasCommand);
            if (!hasCommand)
                continue;
            QCOMPARE(sent->size(), 10);
            QVERIFY(sent->endsWith("000000"));
            if (index >= 128)
                QCOMPARE(int(sent->at(3)), 48 + index - 128);
        }
    }
};

QTEST_APPLESS_MAIN(TestCommands)
#include "tst_commands.moc"
