// The damage a noisy line does to the bytes that cross it.
#include "LineNoise.h"

#include <QTest>

namespace {

QByteArray sampleTraffic(qsizetype size)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < size; ++i)
        bytes.append(i % 545 == 544 ? '\r' : "0123456789ABCDEF"[i % 16]);
    return bytes;
}

} // namespace

class TestLineNoise : public QObject
{
    Q_OBJECT
private slots:
    // Every byte struck, one at a time: each comes out dropped, doubled or as
    // another printable character, about a third of the bytes each way.
    void damageKinds_data()
    {
        QTest::addColumn<char>("original");
        QTest::newRow("hex digit") << 'A';
        QTest::newRow("first printable") << ' ';
        QTest::newRow("last printable") << '~';
        QTest::newRow("carriage return") << '\r';
    }

    void damageKinds()
    {
        QFETCH(char, original);
        constexpr int kBytes = 3000;
        LineNoise noise(1.0, 11);
        int dropped = 0;
        int doubled = 0;
        int replaced = 0;
        for (int i = 0; i < kBytes; ++i) {
            const QByteArray out = noise.pass(QByteArrayView(&original, 1));
            if (out.isEmpty()) {
                ++dropped;
            } else if (out == QByteArray(2, original)) {
                ++doubled;
            } else {
                QCOMPARE(out.size(), 1);
                QVERIFY2(out[0] != original && out[0] >= ' ' && out[0] <= '~', out.constData());
                ++replaced;
            }
        }
        QCOMPARE(noise.damaged(), kBytes);
        for (int count : {dropped, doubled, replaced})
            QVERIFY2(count > 900 && count < 1100, qPrintable(QString::number(count)));
    }

    // The share of damaged bytes follows the rate; a clean line passes all.
    void rate_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        QTest::newRow("clean") << 0.0 << 0 << 0;
        QTest::newRow("one in 5000") << 0.0002 << 140 << 260;
        QTest::newRow("one in 1000") << 0.001 << 880 << 1120;
    }

    void rate()
    {
        QFETCH(double, rate);
        QFETCH(int, fewest);
        QFETCH(int, most);
        const QByteArray traffic = sampleTraffic(1000000);
        LineNoise noise(rate, 3);
        const QByteArray out = noise.pass(traffic);
        QVERIFY2(noise.damaged() >= fewest && noise.damaged() <= most, qPrintable(QString::number(noise.damaged())));
        if (rate == 0.0)
            QCOMPARE(out, traffic);
    }

    // The same seed damages the same traffic the same way, also when it comes
    // in other pieces; another seed damages it elsewhere.
    void seedReplaysARun()
    {
        const QByteArray traffic = sampleTraffic(50000);
        LineNoise whole(0.01, 7);
        LineNoise pieces(0.01, 7);
        LineNoise other(0.01, 8);
        QByteArray inPieces;
        for (qsizetype at = 0; at < traffic.size(); at += 545)
            inPieces += pieces.pass(QByteArrayView(traffic).sliced(at, std::min<qsizetype>(545, traffic.size() - at)));
        const QByteArray once = whole.pass(traffic);
        QVERIFY(once != traffic);
        QCOMPARE(inPieces, once);
        QVERIFY(other.pass(traffic) != once);
    }
};

QTEST_GUILESS_MAIN(TestLineNoise)
#include "tst_linenoise.moc"
