#include "FieldProbe.h"
#include "params/ImageLayout.h"

#include <QTest>

#include <vector>

using namespace params;

Q_DECLARE_METATYPE(params::Field)

class TestImageLayout : public QObject
{
    Q_OBJECT
private slots:
    void recordsStartWhereTheMapSays_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("offset");
        const struct
        {
            const char* row;
            Field field;
            int record;
            int offset;
        } anchors[] = {
            {"user 1 name", Field::UserName, 1, 0},          {"user 12 name", Field::UserName, 12, 165},
            {"user 1 code", Field::UserCode, 1, 10},         {"user 12 code", Field::UserCode, 12, 175},
            {"user 1 rights", Field::UserRights, 1, 13},     {"user 12 rights", Field::UserRights, 12, 178},
            {"installer code", Field::InstallerCode, 1, 180}, {"zone 1 name", Field::ZoneName, 1, 183},
            {"zone 12 name", Field::ZoneName, 12, 403},      {"zone 1 wiring", Field::ZoneWiring, 1, 193},
            {"zone 1 partition", Field::ZonePartition, 1, 194}, {"zone 1 sensitivity", Field::ZoneSensitivity, 1, 195},
            {"zone 1 entry delay", Field::ZoneEntryDelay, 1, 196}, {"zone 1 exit delay", Field::ZoneExitDelay, 1, 197},
            {"zone 1 silent", Field::ZoneSilent, 1, 198},    {"zone 1 smart time", Field::ZoneSmartTime, 1, 199},
            {"zone 1 follower", Field::ZoneFollower, 1, 200}, {"zone 1 cover time", Field::ZoneCoverTime, 1, 201},
            {"zone 1 night", Field::ZoneNightSetting, 1, 202}, {"zone 12 wiring", Field::ZoneWiring, 12, 413},
            {"zone 12 exit delay", Field::ZoneExitDelay, 12, 417}, {"zone 12 follower", Field::ZoneFollower, 12, 420},
            {"zone 12 night", Field::ZoneNightSetting, 12, 422},
            {"event 1 code", Field::EventContactId, 1, 423}, {"event 47 code", Field::EventContactId, 47, 1619},
            {"event 1 routes", Field::EventRoutes, 1, 426},  {"event 1 SMS", Field::EventSmsText, 1, 428},
            {"event 1 voice", Field::EventVoiceNumber, 1, 448}, {"event 47 voice", Field::EventVoiceNumber, 47, 1644},
            {"phone 1", Field::Phone, 1, 1671},              {"phone 4", Field::Phone, 4, 1719},
            {"centre 1", Field::CentrePhone, 1, 1735},       {"centre 2", Field::CentrePhone, 2, 1751},
            {"SMS forward", Field::SmsForwardPhone, 1, 1767}, {"ack 1", Field::AckMode, 1, 1783},
            {"ack 4", Field::AckMode, 4, 1786},
            {"account", Field::CustomerAccount, 1, 1787},    {"arming mode", Field::ArmingMode, 1, 1791},
            {"OUT1 mode", Field::SirenMode, 1, 1792},        {"OUT2 mode", Field::SirenMode, 2, 1795},
            {"OUT1 delay", Field::SirenDelay, 1, 1793},      {"OUT1 time", Field::SirenTime, 1, 1794},
            {"OUT2 delay", Field::SirenDelay, 2, 1796},      {"OUT2 time", Field::SirenTime, 2, 1797},
            {"relay 1 on", Field::RelayOnEvents, 1, 1798},   {"relay 2 on", Field::RelayOnEvents, 2, 1816},
            {"relay 1 off", Field::RelayOffEvents, 1, 1806}, {"relay 3 off", Field::RelayOffEvents, 3, 1842},
            {"relay 1 delay", Field::RelayDelay, 1, 1814},   {"relay 1 time", Field::RelayTime, 1, 1815},
            {"relay 3 delay", Field::RelayDelay, 3, 1850},   {"relay 3 time", Field::RelayTime, 3, 1851},
            {"alarm max", Field::AlarmMax, 1, 1852},         {"test hour", Field::TestHour, 1, 1853},
            {"test minute", Field::TestMinute, 1, 1854},     {"test period", Field::TestPeriod, 1, 1855},
            {"bypass 1", Field::ZoneBypass, 1, 1856},        {"bypass 12", Field::ZoneBypass, 12, 1867},
            {"alarm limit", Field::ZoneAlarmLimit, 1, 1868}, {"auto arm", Field::AutoArm, 1, 1869},
            {"night walk", Field::NightWalk, 1, 1870},       {"buttons 1", Field::RemoteButtons, 1, 1871},
            {"buttons 12", Field::RemoteButtons, 12, 1893},
        };
        for (const auto& a : anchors)
            QTest::newRow(a.row) << a.field << a.record << a.offset;
    }

    void recordsStartWhereTheMapSays()
    {
        QFETCH(Field, field);
        QFETCH(int, record);
        QFETCH(int, offset);
        QCOMPARE(offsetOf(field, record), offset);
        const auto location = fieldAtOffset(offset);
        QVERIFY(location.has_value());
        QCOMPARE(location->field, field);
        QCOMPARE(location->record, record);
    }

    void everyByteBelongsToExactlyOneFieldOrUntouchedRegion()
    {
        std::vector<int> owners(ParameterImage::kSize, 0);
        for (const FieldDef& def : kFields)
            for (int record = 1; record <= def.records; ++record) {
                const FieldRef ref = fieldRef(def.field, record);
                QVERIFY2(ref.offset >= 0 && ref.end() <= ParameterImage::kSize, def.name.data());
                for (int at = ref.offset; at < ref.end(); ++at)
                    ++owners[std::size_t(at)];
            }
        for (const Region& region : kLeftAsRead)
            for (int at = region.offset; at < region.offset + region.size; ++at)
                ++owners[std::size_t(at)];
        for (int at = 0; at < ParameterImage::kSize; ++at)
            QVERIFY2(owners[std::size_t(at)] == 1, qPrintable(QStringLiteral("byte %1").arg(at)));
    }

    void sizesMatchEncodings()
    {
        for (const FieldDef& def : kFields) {
            const char* name = def.name.data();
            QVERIFY2(def.records == 1 || def.stride >= def.size, name);
            switch (def.encoding) {
            case Encoding::Text:
                QVERIFY2(def.size == def.items && (def.size == 10 || def.size == 20), name);
                break;
            case Encoding::Code:
                QVERIFY2(def.size == 3 && def.items == 6, name);
                break;
            case Encoding::Word:
                QVERIFY2(def.size == 2 && def.items >= 1 && def.items <= 16, name);
                break;
            case Encoding::DigitString:
                QVERIFY2(def.size == 16 && def.items == 16, name);
                break;
            case Encoding::EventMask:
                QVERIFY2(def.size == 8 && def.items == 60, name);
                break;
            case Encoding::ButtonPair:
                QVERIFY2(def.size == 2 && def.items == 4 && def.range.max <= 14, name);
                break;
            case Encoding::LowHexDigit:
            case Encoding::HexDigitByte:
                QVERIFY2(def.size == def.items && def.range.max == 15, name);
                break;
            default: // one-byte settings
                QVERIFY2(def.size == 1 && def.items == 1, name);
                QVERIFY2(!def.range.empty() && def.range.min >= 0 && def.range.max <= 255, name);
            }
        }
    }

    void codeBytesAreTheTwelveUserCodesAndTheInstallerCode()
    {
        QList<int> expected;
        for (int k = 0; k < 12; ++k)
            expected << 10 + 15 * k << 11 + 15 * k << 12 + 15 * k;
        expected << 180 << 181 << 182;
        QList<int> found;
        for (int at = 0; at < ParameterImage::kSize; ++at)
            if (isCodeByte(at))
                found << at;
        QCOMPARE(found, expected);
    }

    // A load and store of one field changes no byte outside that field.
    void storingAFieldTouchesOnlyItsBytes_data()
    {
        QTest::addColumn<Field>("field");
        for (const FieldDef& def : kFields)
            QTest::newRow(def.name.data()) << def.field;
    }

    void storingAFieldTouchesOnlyItsBytes()
    {
        QFETCH(Field, field);
        const ParameterImage source = noiseImage(11);
        for (int record = 1; record <= recordCount(field); ++record) {
            // Sentinel bytes that no conversion writes: 0x5A is no digit, flag or padding.
            ParameterImage target;
            target.fill(0x5A);
            storeBackField(source, target, field, record);
            const FieldRef ref = fieldRef(field, record);
            const bool timePair = ref.encoding == Encoding::TimePart;
            for (int at = 0; at < ParameterImage::kSize; ++at) {
                const bool own = (at >= ref.offset && at < ref.end())
                    || (timePair && (at == offsetOf(Field::TestHour) || at == offsetOf(Field::TestMinute)));
                if (!own)
                    QVERIFY2(target.at(at) == 0x5A, qPrintable(QStringLiteral("record %1 wrote byte %2").arg(record).arg(at)));
            }
        }
    }

    void untouchedRegionsSurviveLoadAndStore_data()
    {
        QTest::addColumn<int>("fill"); // -1: noise
        QTest::newRow("all 0x00") << 0x00;
        QTest::newRow("all 0xFF") << 0xFF;
        QTest::newRow("noise") << -1;
    }

    void untouchedRegionsSurviveLoadAndStore()
    {
        QFETCH(int, fill);
        ParameterImage image = noiseImage(21);
        if (fill >= 0)
            image.fill(std::uint8_t(fill));
        const ParameterImage stored = storedBack(image);
        for (int at = 0; at < ParameterImage::kSize; ++at)
            if (isLeftAsRead(at))
                QCOMPARE(stored.at(at), image.at(at));
    }
};

QTEST_APPLESS_MAIN(TestImageLayout)
#include "tst_imagelayout.moc"
