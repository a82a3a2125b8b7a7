#include "params/ParameterImage.h"
#include "params/SettingsDiff.h"

#include <QTest>

#include <cstdint>
#include <vector>

using params::CodeDisplay;
using params::ParameterImage;

namespace {

struct Bytes
{
    int offset;
    std::vector<std::uint8_t> values;
};

void put(ParameterImage& image, const Bytes& bytes)
{
    for (std::size_t i = 0; i < bytes.values.size(); ++i)
        image.set(bytes.offset + int(i), bytes.values[i]);
}

std::vector<std::uint8_t> ascii(const char* text)
{
    std::vector<std::uint8_t> bytes;
    for (const char* c = text; *c; ++c)
        bytes.push_back(std::uint8_t(*c));
    return bytes;
}

QStringList texts(const QList<params::SettingDifference>& list)
{
    QStringList lines;
    for (const auto& difference : list)
        lines << difference.text();
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class TestSettingsDiff : public QObject
{
    Q_OBJECT
private slots:
    void oneDifferencePerFieldKind_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<bool>("showCodes");
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char* name, Bytes before, Bytes after, bool show, QStringList expected) {
            QTest::newRow(name) << before << after << show << expected;
        };
        row("zone 3 name", {223, ascii("Konyha")}, {223, ascii("Nappali")}, false,
            {"3. Zóna – Zóna neve: »Konyha« → »Nappali«"});
        row("zone 1 wiring", {193, {0}}, {193, {2}}, false, {"1. Zóna – Bekötés: Rövidzárra aktív → DEOL"});
        row("zone 12 entry delay", {416, {0}}, {416, {30}}, false, {"12. Zóna – Belépési késlelt.: 0 → 30"});
        row("zone 5 bypass", {1860, {0}}, {1860, {3}}, false, {"5. Zóna – Bypass: ki → be (3)"});
        row("user 2 arming right", {29, {0}}, {29, {0x04}}, false, {"2.Felhasználó – Élesítés: ki → be"});
        row("user 12 code hidden", {175, {0, 0, 0}}, {175, {0xED, 0xCB, 0x00}}, false,
            {"12.Felhasználó – Azonosító kódja: ****** → ******"});
        row("installer code shown", {180, {0xED, 0xCB, 0xA9}}, {180, {0xED, 0xCB, 0x00}}, true,
            {"Telepítői kód: 123456 → 1234"});
        row("telephone 1", {1671, ascii("3612345678")}, {1671, ascii("3698765432")}, false,
            {"1. Telefonszám: 3612345678 → 3698765432"});
        row("acknowledgement 2", {1784, {0}}, {1784, {1}}, false,
            {"2. Telefonszám – Nyugtázás: 0-   nincs nyugtázás → 1-   * = nyugta"});
        row("account", {1787, {0, 0, 0, 0}}, {1787, {1, 2, 15, 0}}, false, {"Ügyfél azonosító: 0000 → 12F0"});
        row("event 27 Contact-ID", {1099, {0, 0, 0}}, {1099, {1, 3, 10}}, false,
            {"27. Élesítés Part.1 – Contact-ID kód: 000 → 13A"});
        row("event 1 centre route", {426, {0, 0}}, {426, {0x01, 0x00}}, false, {"01. IN1 Riasztás – Közp.: ki → be"});
        row("event 1 unused route bit", {426, {0, 0}}, {426, {0x80, 0x00}}, false,
            {"01. IN1 Riasztás: 00 00 → 80 00"});
        row("relay 1 on, row 0", {1798, {0}}, {1798, {0x01}}, false,
            {"R1 bekapcs. – 00. Telefonos távvezérlés: ki → be"});
        row("relay 3 off, row 59", {1849, {0}}, {1849, {0x08}}, false, {"R3 kikapcs. – 59. IN12 jelez: ki → be"});
        row("remote buttons A and D", {1871, {0x00, 0x00}}, {1871, {0x60, 0x0F}}, false,
            {"1.Felhasználó – 1. nyomógomb: -- → Relé1", "1.Felhasználó – 4. nyomógomb: -- → 15"});
        row("test minute", {1854, {5}}, {1854, {45}}, false, {"Tesztjelentés időpontja – perc: 5 → 45"});
        row("byte of no setting", {1650, {0x00}}, {1650, {0xFF}}, false,
            {"Bájt 1650 (beállításon kívül): 00 → FF"});
    }
    void oneDifferencePerFieldKind()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(bool, showCodes);
        QFETCH(QStringList, expected);
        ParameterImage a;
        ParameterImage b;
        put(a, before);
        put(b, after);
        QCOMPARE(texts(params::differingSettings(a, b, showCodes ? CodeDisplay::Shown : CodeDisplay::Hidden)), expected);
    }

    void equalImagesGiveNoDifference()
    {
        ParameterImage image;
        for (int i = 0; i < ParameterImage::kSize; ++i)
            image.set(i, std::uint8_t(i * 7));
        QVERIFY(params::differingSettings(image, image).isEmpty());
    }

    // No byte of the image can change unseen, whatever field it lies in.
    void everyChangedByteIsListed()
    {
        const ParameterImage zeros;
        for (int offset = 0; offset < ParameterImage::kSize; ++offset) {
            ParameterImage changed;
            changed.set(offset, 0xFF);
            if (params::differingSettings(zeros, changed).isEmpty())
                QFAIL(qPrintable(QStringLiteral("byte %1 changed unseen").arg(offset)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSettingsDiff)
#include "tst_settingsdiff.moc"
