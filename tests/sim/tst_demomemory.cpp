#include "DemoMemory.h"

#include "link/Cp1250.h"

#include <QTest>

#include <optional>

namespace {

constexpr int kUserSize = 15;
constexpr int kZonesAt = 183;
constexpr int kZoneSize = 20;
constexpr int kNameLength = 10;

QByteArray bytesAt(const ParameterMemory& mem, int at, int length)
{
    return QByteArray(reinterpret_cast<const char*>(mem.data()) + at, length);
}

// The digits of a code field, or nothing when its nibbles are not a run of
// digit nibbles (6..15) followed only by zero nibbles.
std::optional<QString> codeDigits(const ParameterMemory& mem, int at)
{
    QString digits;
    bool ended = false;
    for (int i = 0; i < 6; ++i) {
        const int nibble = (mem[at + i / 2] >> (i % 2 == 0 ? 4 : 0)) & 0x0F;
        if (nibble == 0) {
            ended = true;
            continue;
        }
        if (ended || nibble < 6)
            return std::nullopt;
        digits.append(QChar(u'0' + 15 - nibble));
    }
    return digits;
}

} // namespace

class DemoMemoryTest : public QObject
{
    Q_OBJECT
private slots:
    void installerCode();
    void names_data();
    void names();
    void userCodes();
    void zoneSettingsInRange_data();
    void zoneSettingsInRange();
};

void DemoMemoryTest::installerCode()
{
    const ParameterMemory mem = demoParameterMemory().bytes();
    QCOMPARE(bytesAt(mem, 180, 3), QByteArray("\xED\xCB\x00", 3));
}

void DemoMemoryTest::names_data()
{
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("name");
    QTest::newRow("user 1") << 0 << QStringLiteral("Kovács Pál");
    QTest::newRow("user 12, unused") << 11 * kUserSize << QString();
    QTest::newRow("zone 1") << kZonesAt << QStringLiteral("Bejárat");
    QTest::newRow("zone 2") << kZonesAt + kZoneSize << QStringLiteral("Előszoba");
}

void DemoMemoryTest::names()
{
    QFETCH(int, at);
    QFETCH(QString, name);
    const QByteArray field = bytesAt(demoParameterMemory().bytes(), at, kNameLength);
    QCOMPARE(fromCp1250(field), name.leftJustified(kNameLength, u' '));
}

void DemoMemoryTest::userCodes()
{
    const ParameterMemory mem = demoParameterMemory().bytes();
    int fourDigits = 0;
    int sixDigits = 0;
    int none = 0;
    for (int user = 0; user < 12; ++user) {
        const int at = user * kUserSize;
        const QString name = fromCp1250(bytesAt(mem, at, kNameLength));
        QVERIFY2(!name.contains(u'?') && !name.contains(QChar(0)), qPrintable(name));
        const std::optional<QString> digits = codeDigits(mem, at + 10);
        QVERIFY2(digits.has_value(), qPrintable(name));
        fourDigits += digits->size() == 4;
        sixDigits += digits->size() == 6;
        none += digits->isEmpty();
        // A user without a code has no rights to use.
        if (digits->isEmpty() && name.trimmed().isEmpty())
            QCOMPARE(bytesAt(mem, at + 13, 2), QByteArray(2, '\0'));
    }
    QVERIFY(fourDigits > 0);
    QVERIFY(sixDigits > 0);
    QVERIFY(none > 0);
}

void DemoMemoryTest::zoneSettingsInRange_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("highest");
    QTest::newRow("wiring") << 10 << 3;
    QTest::newRow("partition") << 11 << 3;
    QTest::newRow("silent") << 15 << 1;
    QTest::newRow("smart zone time") << 16 << 25;
    QTest::newRow("follower") << 17 << 1;
    QTest::newRow("cover time") << 18 << 25;
    QTest::newRow("night setting") << 19 << 3;
}

void DemoMemoryTest::zoneSettingsInRange()
{
    QFETCH(int, offset);
    QFETCH(int, highest);
    const ParameterMemory mem = demoParameterMemory().bytes();
    for (int zone = 0; zone < 12; ++zone) {
        const int at = kZonesAt + zone * kZoneSize;
        QVERIFY2(mem[at + offset] <= highest, qPrintable(QStringLiteral("zone %1").arg(zone + 1)));
        const QString name = fromCp1250(bytesAt(mem, at, kNameLength)).trimmed();
        QVERIFY2(!name.isEmpty() && !name.contains(u'?'), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(DemoMemoryTest)
#include "tst_demomemory.moc"
