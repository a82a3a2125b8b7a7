// The version query: the version block's texts and the query against the
// simulated module.
#include "LinkedModule.h"
#include "TestTicks.h"

#include "link/VersionQuery.h"

#include <QTest>

namespace {

Frame versionFrame(const QByteArray& program, const QByteArray& data)
{
    Frame f{};
    std::copy(program.begin(), program.end(), f.begin());
    std::copy(data.begin(), data.end(), f.begin() + 32);
    return f;
}

} // namespace

class TestVersionQuery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useTestTicks(); }

    void versionBlock_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("version");
        QTest::addColumn<int>("dataVersion");
        QTest::newRow("usual") << QByteArray("GSM-SENTROVA V3.05") << QByteArray("2")
                               << "GSM-SENTROVA V3.05" << 2;
        QTest::newRow("data version zeros") << QByteArray("V1") << QByteArray() << "V1" << 0;
        QTest::newRow("data version 3") << QByteArray("V1") << QByteArray("3") << "V1" << 3;
        QTest::newRow("not a number") << QByteArray("V1") << QByteArray("2a") << "V1" << 0;
        QTest::newRow("sign makes it invalid") << QByteArray("V1") << QByteArray("-1") << "V1" << 0;
        QTest::newRow("leading blank invalid") << QByteArray("V1") << QByteArray(" 2") << "V1" << 0;
        QTest::newRow("trailing blank invalid") << QByteArray("V1") << QByteArray("2 ") << "V1" << 0;
        QTest::newRow("trailing tab invalid") << QByteArray("V1") << QByteArray("2\t") << "V1" << 0;
        QTest::newRow("plus sign invalid") << QByteArray("V1") << QByteArray("+2") << "V1" << 0;
        QTest::newRow("leading zeros") << QByteArray("V1") << QByteArray("002") << "V1" << 2;
        QTest::newRow("33 digits overflow") << QByteArray("V1") << QByteArray(40, '1') << "V1" << 0;
        QTest::newRow("32-character version then data")
            << QByteArray(32, 'A') << QByteArray("2") << QString(32, u'A') + u'2' << 2;
        // Without a zero byte the texts stop after 33 characters.
        QTest::newRow("33 characters at most") << QByteArray(32, 'B') << QByteArray("1234567")
                                               << QString(32, u'B') + u'1' << 1234567;
    }

    void versionBlock()
    {
        QFETCH(QByteArray, program);
        QFETCH(QByteArray, data);
        QFETCH(QString, version);
        QFETCH(int, dataVersion);
        const VersionBlock block = parseVersionBlock(versionFrame(program, data));
        QCOMPARE(block.programVersion, version);
        QCOMPARE(block.dataVersion, dataVersion);
    }

    void versionTextIsFilledToEveryByte()
    {
        Frame f{};
        for (int i = 0; i < 256; ++i)
            f[std::size_t(i)] = std::uint8_t('0' + i % 10);
        const VersionBlock block = parseVersionBlock(f);
        QCOMPARE(block.programVersion.size(), 33);
        QCOMPARE(block.dataVersion, 0); // 34 digits are no valid number
    }

    void versionLineHasSevenBlanks()
    {
        QCOMPARE(versionLine({QStringLiteral("X 1.0"), 2}), QStringLiteral("Programverzió: X 1.0       (DataVer=2)"));
        QCOMPARE(versionLine({QString(), 0}), QStringLiteral("Programverzió:        (DataVer=0)"));
    }

    void queryAgainstTheModule_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("silentRead");
        QTest::addColumn<QByteArray>("dataText");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("dataVersion");
        const QString line = QStringLiteral("Programverzió: GSM-SENTROVA V3.05       (DataVer=%1)");
        QTest::newRow("good") << true << false << false << QByteArray("2") << line.arg(2) << "" << 2;
        QTest::newRow("data version 3") << true << false << false << QByteArray("3") << line.arg(3) << "" << 3;
        QTest::newRow("data version 0") << true << false << false << QByteArray() << line.arg(0) << "" << 0;
        QTest::newRow("code refused") << true << true << false << QByteArray("2") << QStringLiteral(" Hibás telepítői azonosító!")
                                      << QStringLiteral("Leolvasás sikertelen.") << -1;
        QTest::newRow("no version frame") << true << false << true << QByteArray("2") << QString()
                                          << QStringLiteral("Leolvasás sikertelen.") << -1;
        QTest::newRow("port closed") << false << false << false << QByteArray("2") << QStringLiteral(" Nincs soros kapcsolat.")
                                     << "unchanged" << -1;
    }

    void queryAgainstTheModule()
    {
        QFETCH(bool, open);
        QFETCH(bool, refuse);
        QFETCH(bool, silentRead);
        QFETCH(QByteArray, dataText);
        QFETCH(QString, result);
        QFETCH(QString, status);
        QFETCH(int, dataVersion);
        LinkedModule m;
        VersionTexts texts = m.sim.module().versionTexts();
        texts.data = dataText;
        m.sim.module().setVersionTexts(texts);
        m.sim.module().faults().refuseCode = refuse;
        if (open)
            QVERIFY(m.connect());
        // A silent module after the login: the version frame never comes.
        if (silentRead)
            QObject::connect(&m.sim, &ModuleSimulator::lineReceived, &m.sim, [&m](const QByteArray& line) {
                if (line.startsWith("RDFL"))
                    m.sim.module().faults().silent = true;
            });
        m.link.moduleDataVersion = -1;
        QString shown = QStringLiteral("unchanged");
        const QString got = QueryVersion(m.link, [&](const QString& t) { shown = t; });
        QCOMPARE(got, result);
        QCOMPARE(shown, status);
        QCOMPARE(m.link.moduleDataVersion, dataVersion);
        // The version block is asked for only after an accepted code.
        QCOMPARE(m.received("RDFLFFFF").size(), open && !refuse ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestVersionQuery)
#include "tst_versionquery.moc"
