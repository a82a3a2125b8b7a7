#include "FieldProbe.h"
#include "params/FieldConversions.h"

#include <QTest>

using namespace params;

Q_DECLARE_METATYPE(params::Field)

namespace {

QByteArray fieldBytes(const ParameterImage& image, const FieldRef& ref)
{
    QByteArray bytes;
    for (const std::uint8_t b : image.range(ref.offset, ref.size))
        bytes.append(char(b));
    return bytes;
}

void putBytes(ParameterImage& image, const FieldRef& ref, const QByteArray& bytes)
{
    QCOMPARE(bytes.size(), ref.size);
    for (int i = 0; i < ref.size; ++i)
        image.set(ref.offset + i, std::uint8_t(bytes[i]));
}

template <std::size_t N>
std::array<QString, N> cellsOf(const QStringList& list)
{
    std::array<QString, N> cells;
    for (std::size_t i = 0; i < N && i < std::size_t(list.size()); ++i)
        cells[i] = list[qsizetype(i)];
    return cells;
}

template <typename Flags>
Flags flagsAt(const QList<int>& marked)
{
    Flags flags{};
    for (const int index : marked)
        flags[std::size_t(index)] = true;
    return flags;
}

template <typename Flags>
QList<int> markedIn(const Flags& flags)
{
    QList<int> marked;
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i])
            marked << int(i);
    return marked;
}

QByteArray spaces(int n)
{
    return QByteArray(n, ' ');
}

} // namespace

class TestFieldConversions : public QObject
{
    Q_OBJECT
private slots:
    // What a blank (0x00) and an erased (0xFF) image show, and what storing
    // them back unchanged writes.
    void uniformImageLoadsAndStoresBack_data()
    {
        QTest::addColumn<int>("fill");
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("stored");
        const QString noRoutes(9, u'0'), noRows(60, u'0'), allRows(60, u'1');
        const QString noDigits = QString(15, u',');
        auto row = [](const char* name, int fill, Field field, int record, const QString& shown, const QByteArray& stored) {
            QTest::newRow(name) << fill << field << record << shown << stored;
        };
        row("00 user name", 0x00, Field::UserName, 1, "", spaces(10));
        row("00 user code", 0x00, Field::UserCode, 12, "******", QByteArray(3, 0));
        row("00 rights", 0x00, Field::UserRights, 5, QString(16, u'0'), QByteArray(2, 0));
        row("00 installer code", 0x00, Field::InstallerCode, 1, "******", QByteArray(3, 0));
        row("00 zone name", 0x00, Field::ZoneName, 12, "", spaces(10));
        row("00 wiring", 0x00, Field::ZoneWiring, 1, "0", QByteArray(1, 0));
        row("00 silent", 0x00, Field::ZoneSilent, 3, "0", QByteArray(1, 0));
        row("00 bypass", 0x00, Field::ZoneBypass, 3, "0", QByteArray(1, 0));
        row("00 Contact-ID", 0x00, Field::EventContactId, 47, "0,0,0", QByteArray(3, 0));
        row("00 routes", 0x00, Field::EventRoutes, 1, noRoutes, QByteArray(2, 0));
        row("00 SMS text", 0x00, Field::EventSmsText, 1, "", spaces(20));
        row("00 voice", 0x00, Field::EventVoiceNumber, 1, "0", QByteArray(1, 0));
        row("00 phone", 0x00, Field::Phone, 1, noDigits, QByteArray(16, 0));
        row("00 account", 0x00, Field::CustomerAccount, 1, "0,0,0,0", QByteArray(4, 0));
        row("00 relay mask", 0x00, Field::RelayOnEvents, 1, noRows, QByteArray(8, 0));
        row("00 test time", 0x00, Field::TestHour, 1, "00:00", QByteArray(1, 0));
        row("00 buttons", 0x00, Field::RemoteButtons, 1, "0,0,0,0", QByteArray(2, 0));
        // Ranges that start above 0 cannot show the blank byte.
        row("00 siren time", 0x00, Field::SirenTime, 1, "1", QByteArray::fromHex("01"));
        row("00 alarm max", 0x00, Field::AlarmMax, 1, "5", QByteArray::fromHex("05"));
        row("00 night walk", 0x00, Field::NightWalk, 1, "1", QByteArray::fromHex("01"));

        row("FF user name", 0xFF, Field::UserName, 12, "", spaces(10));
        row("FF user code", 0xFF, Field::UserCode, 1, "000000", QByteArray::fromHex("FFFFFF"));
        row("FF rights", 0xFF, Field::UserRights, 1, QString(16, u'1'), QByteArray::fromHex("FFFF"));
        row("FF routes", 0xFF, Field::EventRoutes, 47, QString(9, u'1'), QByteArray::fromHex("01FF"));
        row("FF SMS text", 0xFF, Field::EventSmsText, 47, "", spaces(20));
        row("FF Contact-ID", 0xFF, Field::EventContactId, 1, "F,F,F", QByteArray::fromHex("0F0F0F"));
        row("FF bypass", 0xFF, Field::ZoneBypass, 12, "1", QByteArray::fromHex("01"));
        row("FF silent", 0xFF, Field::ZoneSilent, 1, "0", QByteArray::fromHex("00"));
        row("FF follower", 0xFF, Field::ZoneFollower, 12, "0", QByteArray::fromHex("00"));
        row("FF relay mask", 0xFF, Field::RelayOffEvents, 3, allRows, QByteArray::fromHex("FFFFFFFFFFFFFF0F"));
        row("FF phone", 0xFF, Field::SmsForwardPhone, 1, noDigits, QByteArray(16, 0));
        row("FF account", 0xFF, Field::CustomerAccount, 1, ",,,", QByteArray(4, 0));
        row("FF sensitivity", 0xFF, Field::ZoneSensitivity, 1, "255", QByteArray::fromHex("FF"));
        row("FF cover time", 0xFF, Field::ZoneCoverTime, 1, "25", QByteArray::fromHex("19"));
        row("FF voice", 0xFF, Field::EventVoiceNumber, 1, "12", QByteArray::fromHex("0C"));
        row("FF wiring", 0xFF, Field::ZoneWiring, 1, "-1", QByteArray::fromHex("FF"));
        row("FF siren mode", 0xFF, Field::SirenMode, 2, "-1", QByteArray::fromHex("FF"));
        row("FF arming mode", 0xFF, Field::ArmingMode, 1, "3", QByteArray::fromHex("03"));
        row("FF test time", 0xFF, Field::TestMinute, 1, "99:99", QByteArray::fromHex("63"));
        row("FF buttons", 0xFF, Field::RemoteButtons, 12, "-1,-1,-1,-1", QByteArray::fromHex("FFFF"));
    }

    void uniformImageLoadsAndStoresBack()
    {
        QFETCH(int, fill);
        QFETCH(Field, field);
        QFETCH(int, record);
        QFETCH(QString, shown);
        QFETCH(QByteArray, stored);
        ParameterImage image;
        image.fill(std::uint8_t(fill));
        QCOMPARE(describeField(image, field, record), shown);
        QCOMPARE(fieldBytes(storedBack(image), fieldRef(field, record)), stored);
    }

    void textStoresPaddedWindows1250_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("six letters") << Field::UserName << "Kertes" << QByteArray("Kertes    ") << "Kertes";
        QTest::newRow("inner space") << Field::ZoneName << "Ajto  bal" << QByteArray("Ajto  bal ") << "Ajto  bal";
        QTest::newRow("trailing spaces") << Field::ZoneName << "Garázs   " << QByteArray("Gar\xE1zs    ") << "Garázs";
        QTest::newRow("leading space") << Field::UserName << " Bea" << QByteArray(" Bea      ") << " Bea";
        QTest::newRow("empty") << Field::UserName << "" << spaces(10) << "";
        QTest::newRow("accented") << Field::UserName << "Éva Ősz" << QByteArray("\xC9va \xD5sz   ") << "Éva Ősz";
        QTest::newRow("all accents") << Field::ZoneName << "áéíóöőúüű" << QByteArray("\xE1\xE9\xED\xF3\xF6\xF5\xFA\xFC\xFB ")
                                     << "áéíóöőúüű";
        QTest::newRow("outside code page") << Field::UserName << "Ω Ωmega" << QByteArray("? ?mega   ") << "? ?mega";
        QTest::newRow("too long") << Field::UserName << "Kovács Péter" << QByteArray("Kov\xE1""cs P\xE9t") << "Kovács Pét";
        QTest::newRow("SMS exactly 20") << Field::EventSmsText << "Riasztás $ zóna #123" << QByteArray("Riaszt\xE1s $ z\xF3na #123")
                                        << "Riasztás $ zóna #123";
        QTest::newRow("SMS short") << Field::EventSmsText << "Tűz" << QByteArray("T\xFBz") + spaces(17) << "Tűz";
    }

    void textStoresPaddedWindows1250()
    {
        QFETCH(Field, field);
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        for (int record : {1, recordCount(field)}) {
            const FieldRef ref = fieldRef(field, record);
            ParameterImage image = noiseImage(7);
            WriteText(image, ref, typed);
            QCOMPARE(fieldBytes(image, ref), stored);
            QCOMPARE(ReadText(image, ref), shown);
        }
    }

    void textReadSkipsZeroAndFF_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("inner gaps") << QByteArray::fromHex("4100FF42FF0043202020") << "ABC";
        QTest::newRow("gap keeps space") << QByteArray::fromHex("4120FF20420000000000") << "A  B";
        QTest::newRow("trailing zeros") << QByteArray::fromHex("C9766120000000FFFFFF") << "Éva";
    }

    void textReadSkipsZeroAndFF()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        ParameterImage image;
        putBytes(image, fieldRef(Field::UserName, 3), bytes);
        QCOMPARE(ReadText(image, fieldRef(Field::UserName, 3)), shown);
    }

    void codeStoresNibbles_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("four digits") << "1234" << QByteArray::fromHex("EDCB00") << "1234";
        QTest::newRow("six digits") << "123456" << QByteArray::fromHex("EDCBA9") << "123456";
        QTest::newRow("zeros") << "000000" << QByteArray::fromHex("FFFFFF") << "000000";
        QTest::newRow("nines") << "9999" << QByteArray::fromHex("666600") << "9999";
        QTest::newRow("no code") << "******" << QByteArray::fromHex("000000") << "******";
        QTest::newRow("empty") << "" << QByteArray::fromHex("000000") << "******";
        QTest::newRow("asterisks inside") << "12**56" << QByteArray::fromHex("ED00A9") << "1256";
        QTest::newRow("letter") << "12a4" << QByteArray::fromHex("ED0B00") << "124";
        QTest::newRow("seventh digit cut") << "1234567" << QByteArray::fromHex("EDCBA9") << "123456";
    }

    void codeStoresNibbles()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QString, shown);
        for (const FieldRef ref : {fieldRef(Field::UserCode, 7), fieldRef(Field::InstallerCode)}) {
            ParameterImage image = noiseImage(8);
            WriteCode(image, ref, typed);
            QCOMPARE(fieldBytes(image, ref), stored);
            QCOMPARE(ReadCode(image, ref), shown);
        }
    }

    void codeReadShowsSmallNibblesAsLetters()
    {
        ParameterImage image;
        const FieldRef ref = fieldRef(Field::UserCode, 1);
        putBytes(image, ref, QByteArray::fromHex("1234F6"));
        QCOMPARE(ReadCode(image, ref), QStringLiteral("EDCB09"));
    }

    void flagWordsAreBigEndian_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QList<int>>("marked");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("right 1") << Field::UserRights << QList<int>{0} << QByteArray::fromHex("0001");
        QTest::newRow("right 16") << Field::UserRights << QList<int>{15} << QByteArray::fromHex("8000");
        QTest::newRow("rights 8 and 9") << Field::UserRights << QList<int>{7, 8} << QByteArray::fromHex("0180");
        QTest::newRow("centre only") << Field::EventRoutes << QList<int>{kRouteCentre} << QByteArray::fromHex("0100");
        QTest::newRow("T1 only") << Field::EventRoutes << QList<int>{kRouteCallFirst} << QByteArray::fromHex("0001");
        QTest::newRow("S4 and T2") << Field::EventRoutes << QList<int>{1, kRouteSmsFirst + 3} << QByteArray::fromHex("0082");
        QTest::newRow("none") << Field::EventRoutes << QList<int>{} << QByteArray::fromHex("0000");
    }

    void flagWordsAreBigEndian()
    {
        QFETCH(Field, field);
        QFETCH(QList<int>, marked);
        QFETCH(QByteArray, stored);
        const FieldRef ref = fieldRef(field, 2);
        ParameterImage image = noiseImage(9);
        if (field == Field::UserRights) {
            WriteUserRights(image, ref, flagsAt<UserRights>(marked));
            QCOMPARE(markedIn(ReadUserRights(image, ref)), marked);
        } else {
            WriteRouteFlags(image, ref, flagsAt<RouteFlags>(marked));
            QCOMPARE(markedIn(ReadRouteFlags(image, ref)), marked);
        }
        QCOMPARE(fieldBytes(image, ref), stored);
    }

    void hexDigitCells_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("Contact-ID 13A") << Field::EventContactId << QStringList{"1", "3", "A"} << QByteArray::fromHex("01030A")
                                        << QStringList{"1", "3", "A"};
        QTest::newRow("Contact-ID not digits") << Field::EventContactId << QStringList{"", "x", "a"}
                                               << QByteArray::fromHex("000000") << QStringList{"0", "0", "0"};
        QTest::newRow("Contact-ID first char") << Field::EventContactId << QStringList{"F9", "0", "7"}
                                               << QByteArray::fromHex("0F0007") << QStringList{"F", "0", "7"};
        QTest::newRow("account") << Field::CustomerAccount << QStringList{"1", "2", "E", "F"} << QByteArray::fromHex("01020E0F")
                                 << QStringList{"1", "2", "E", "F"};
        QTest::newRow("account empty") << Field::CustomerAccount << QStringList{"", "", "", ""}
                                       << QByteArray::fromHex("00000000") << QStringList{"0", "0", "0", "0"};
    }

    void hexDigitCells()
    {
        QFETCH(Field, field);
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, shown);
        const FieldRef ref = fieldRef(field, recordCount(field));
        ParameterImage image = noiseImage(10);
        if (field == Field::EventContactId) {
            WriteContactId(image, ref, cellsOf<kContactIdDigits>(typed));
            QCOMPARE(ReadContactId(image, ref), cellsOf<kContactIdDigits>(shown));
        } else {
            WriteAccount(image, ref, cellsOf<kAccountDigits>(typed));
            QCOMPARE(ReadAccount(image, ref), cellsOf<kAccountDigits>(shown));
        }
        QCOMPARE(fieldBytes(image, ref), stored);
    }

    void hexDigitReadMasksOnlyContactId()
    {
        ParameterImage image;
        putBytes(image, fieldRef(Field::EventContactId, 5), QByteArray::fromHex("F12B30"));
        putBytes(image, fieldRef(Field::CustomerAccount), QByteArray::fromHex("0910FF0F"));
        QCOMPARE(ReadContactId(image, fieldRef(Field::EventContactId, 5)), cellsOf<3>({"1", "B", "0"}));
        QCOMPARE(ReadAccount(image, fieldRef(Field::CustomerAccount)), cellsOf<4>({"9", "", "", "F"}));
    }

    void telephoneDigits_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QStringList>("shown");
        const QStringList eleven = QString("36301234567").split(QString(), Qt::SkipEmptyParts);
        QTest::newRow("11 digits") << eleven << QByteArray("36301234567") + QByteArray(5, 0) << eleven;
        QTest::newRow("gap keeps positions") << QStringList{"1", "", "3"} << QByteArray("1\0003", 3) + QByteArray(13, 0)
                                             << QStringList{"1", "", "3"};
        QTest::newRow("non-digits") << QStringList{"+", "3", "*", "6"} << QByteArray("\0003\0006", 4) + QByteArray(12, 0)
                                    << QStringList{"", "3", "", "6"};
        QTest::newRow("empty") << QStringList{} << QByteArray(16, 0) << QStringList{};
    }

    void telephoneDigits()
    {
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, stored);
        QFETCH(QStringList, shown);
        const FieldRef ref = fieldRef(Field::CentrePhone, 2);
        ParameterImage image = noiseImage(12);
        WriteDigits(image, ref, cellsOf<kPhoneDigits>(typed));
        QCOMPARE(fieldBytes(image, ref), stored);
        QCOMPARE(ReadDigits(image, ref), cellsOf<kPhoneDigits>(shown));
    }

    void shorterNumberReplacesLonger()
    {
        const FieldRef ref = fieldRef(Field::Phone, 1);
        ParameterImage image;
        WriteDigits(image, ref, cellsOf<kPhoneDigits>(QString("0036301234567").split(QString(), Qt::SkipEmptyParts)));
        WriteDigits(image, ref, cellsOf<kPhoneDigits>({"1", "1", "2"}));
        QCOMPARE(ReadDigits(image, ref), cellsOf<kPhoneDigits>({"1", "1", "2"}));
    }

    void eventMaskRows_data()
    {
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("row 0") << QList<int>{0} << QByteArray::fromHex("0100000000000000");
        QTest::newRow("row 59") << QList<int>{59} << QByteArray::fromHex("0000000000000008");
        QTest::newRow("rows 7 and 8") << QList<int>{7, 8} << QByteArray::fromHex("8001000000000000");
        QTest::newRow("IN1..IN12") << QList<int>{48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}
                                   << QByteArray::fromHex("000000000000FF0F");
    }

    void eventMaskRows()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QByteArray, stored);
        for (const Field field : {Field::RelayOnEvents, Field::RelayOffEvents}) {
            const FieldRef ref = fieldRef(field, 3);
            ParameterImage image = noiseImage(13);
            WriteEventMask(image, ref, flagsAt<EventMask>(rows));
            QCOMPARE(fieldBytes(image, ref), stored);
            QCOMPARE(markedIn(ReadEventMask(image, ref)), rows);
        }
    }

    void remoteButtons_data()
    {
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("all four") << QList<int>{8, 0, 5, 1} << QByteArray::fromHex("8051") << QList<int>{8, 0, 5, 1};
        QTest::newRow("no selection") << QList<int>{-1, 2, 3, -1} << QByteArray::fromHex("F23F") << QList<int>{-1, 2, 3, -1};
        QTest::newRow("beyond the list") << QList<int>{9, 4, 14, 6} << QByteArray::fromHex("F4F6") << QList<int>{-1, 4, -1, 6};
    }

    void remoteButtons()
    {
        QFETCH(QList<int>, chosen);
        QFETCH(QByteArray, stored);
        QFETCH(QList<int>, shown);
        const FieldRef ref = fieldRef(Field::RemoteButtons, 12);
        ParameterImage image = noiseImage(14);
        WriteRemoteButtons(image, ref, {chosen[0], chosen[1], chosen[2], chosen[3]});
        QCOMPARE(fieldBytes(image, ref), stored);
        const RemoteButtons read = ReadRemoteButtons(image, ref);
        QCOMPARE(QList<int>(read.begin(), read.end()), shown);
    }

    void zoneFlags_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("marked");
        QTest::newRow("bypass 1") << Field::ZoneBypass << 1 << true;
        QTest::newRow("bypass 7") << Field::ZoneBypass << 7 << true;
        QTest::newRow("bypass 0") << Field::ZoneBypass << 0 << false;
        QTest::newRow("silent 1") << Field::ZoneSilent << 1 << true;
        QTest::newRow("silent 2") << Field::ZoneSilent << 2 << false;
        QTest::newRow("follower 1") << Field::ZoneFollower << 1 << true;
        QTest::newRow("follower 255") << Field::ZoneFollower << 255 << false;
    }

    void zoneFlags()
    {
        QFETCH(Field, field);
        QFETCH(int, byte);
        QFETCH(bool, marked);
        ParameterImage image;
        image.set(offsetOf(field, 4), std::uint8_t(byte));
        ZoneFlags flags = ReadZoneFlags(image, field);
        QCOMPARE(flags[3], marked);
        QCOMPARE(std::count(flags.begin(), flags.end(), true), marked ? 1 : 0);
        flags[11] = true;
        WriteZoneFlags(image, field, flags);
        QCOMPARE(image.at(offsetOf(field, 4)), marked ? 1 : 0);
        QCOMPARE(image.at(offsetOf(field, 12)), 1);
    }

    void testTime_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::newRow("07:05") << "07:05" << 7 << 5;
        QTest::newRow("23:59") << "23:59" << 23 << 59;
        QTest::newRow("99:00, no range test") << "99:00" << 99 << 0;
        QTest::newRow("blank tens") << " 7:05" << 7 << 5;
    }

    void testTime()
    {
        QFETCH(QString, typed);
        QFETCH(int, hour);
        QFETCH(int, minute);
        ParameterImage image;
        WriteTestTime(image, typed);
        QCOMPARE(image.at(offsetOf(Field::TestHour)), hour);
        QCOMPARE(image.at(offsetOf(Field::TestMinute)), minute);
        if (!typed.contains(u' '))
            QCOMPARE(ReadTestTime(image), typed);
    }

    // Bytes a control cannot show: numbers take the nearest bound, list
    // indexes no selection (stored 0xFF); so does a value above any control.
    void byteFieldOutOfRange_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("storedFor300");
        QTest::newRow("cover time 200") << Field::ZoneCoverTime << 200 << 25 << 25 << 25;
        QTest::newRow("smart time 26") << Field::ZoneSmartTime << 26 << 25 << 25 << 25;
        QTest::newRow("voice 13") << Field::EventVoiceNumber << 13 << 12 << 12 << 12;
        QTest::newRow("alarm max 4") << Field::AlarmMax << 4 << 5 << 5 << 25;
        QTest::newRow("alarm max 30") << Field::AlarmMax << 30 << 25 << 25 << 25;
        QTest::newRow("siren time 0") << Field::SirenTime << 0 << 1 << 1 << 25;
        QTest::newRow("arming mode 4") << Field::ArmingMode << 4 << 3 << 3 << 3;
        QTest::newRow("alarm limit 26") << Field::ZoneAlarmLimit << 26 << 25 << 25 << 25;
        QTest::newRow("night walk 0") << Field::NightWalk << 0 << 1 << 1 << 25;
        QTest::newRow("sensitivity, 300 written") << Field::ZoneSensitivity << 255 << 255 << 255 << 255;
        QTest::newRow("wiring 4") << Field::ZoneWiring << 4 << kNoSelection << 0xFF << 0xFF;
        QTest::newRow("night setting 9") << Field::ZoneNightSetting << 9 << kNoSelection << 0xFF << 0xFF;
        QTest::newRow("ack 3") << Field::AckMode << 3 << kNoSelection << 0xFF << 0xFF;
        QTest::newRow("siren mode 3") << Field::SirenMode << 3 << kNoSelection << 0xFF << 0xFF;
    }

    void byteFieldOutOfRange()
    {
        QFETCH(Field, field);
        QFETCH(int, byte);
        QFETCH(int, shown);
        QFETCH(int, stored);
        QFETCH(int, storedFor300);
        const FieldRef ref = fieldRef(field, recordCount(field));
        ParameterImage image;
        image.set(ref.offset, std::uint8_t(byte));
        QCOMPARE(ReadByteField(image, ref), shown);
        WriteByteField(image, ref, shown);
        QCOMPARE(image.at(ref.offset), stored);
        WriteByteField(image, ref, 300); // more than any control holds
        QCOMPARE(image.at(ref.offset), storedFor300);
    }

    // The lowest and the highest value of every one-byte setting, at its
    // place in the image, come back unchanged after a load and a store; one
    // beyond either end does not show as itself.
    void byteFieldLimits_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        const struct
        {
            const char* row;
            Field field;
            int record;
            int offset;
            int min;
            int max;
        } limits[] = {
            {"zone 1 wiring", Field::ZoneWiring, 1, 193, 0, 3},
            {"zone 12 wiring", Field::ZoneWiring, 12, 413, 0, 3},
            {"zone 1 partition", Field::ZonePartition, 1, 194, 0, 3},
            {"zone 1 sensitivity", Field::ZoneSensitivity, 1, 195, 0, 255},
            {"zone 1 entry delay", Field::ZoneEntryDelay, 1, 196, 0, 255},
            {"zone 1 exit delay", Field::ZoneExitDelay, 1, 197, 0, 255},
            {"zone 1 smart time", Field::ZoneSmartTime, 1, 199, 0, 25},
            {"zone 1 cover time", Field::ZoneCoverTime, 1, 201, 0, 25},
            {"zone 1 night setting", Field::ZoneNightSetting, 1, 202, 0, 3},
            {"zone 12 cover time", Field::ZoneCoverTime, 12, 421, 0, 25},
            {"event 1 voice", Field::EventVoiceNumber, 1, 448, 0, 12},
            {"event 47 voice", Field::EventVoiceNumber, 47, 1644, 0, 12},
            {"ack 1", Field::AckMode, 1, 1783, 0, 2},
            {"ack 4", Field::AckMode, 4, 1786, 0, 2},
            {"arming mode", Field::ArmingMode, 1, 1791, 0, 3},
            {"OUT1 mode", Field::SirenMode, 1, 1792, 0, 2},
            {"OUT1 delay", Field::SirenDelay, 1, 1793, 0, 255},
            {"OUT1 time", Field::SirenTime, 1, 1794, 1, 25},
            {"OUT2 mode", Field::SirenMode, 2, 1795, 0, 2},
            {"OUT2 delay", Field::SirenDelay, 2, 1796, 0, 255},
            {"OUT2 time", Field::SirenTime, 2, 1797, 1, 25},
            {"relay 1 delay", Field::RelayDelay, 1, 1814, 0, 255},
            {"relay 1 time", Field::RelayTime, 1, 1815, 0, 255},
            {"relay 3 delay", Field::RelayDelay, 3, 1850, 0, 255},
            {"relay 3 time", Field::RelayTime, 3, 1851, 0, 255},
            {"alarm max", Field::AlarmMax, 1, 1852, 5, 25},
            {"test period", Field::TestPeriod, 1, 1855, 0, 255},
            {"alarm limit", Field::ZoneAlarmLimit, 1, 1868, 0, 25},
            {"auto arming", Field::AutoArm, 1, 1869, 0, 255},
            {"night walk", Field::NightWalk, 1, 1870, 1, 25},
        };
        for (const auto& l : limits)
            QTest::newRow(l.row) << l.field << l.record << l.offset << l.min << l.max;
    }

    void byteFieldLimits()
    {
        QFETCH(Field, field);
        QFETCH(int, record);
        QFETCH(int, offset);
        QFETCH(int, min);
        QFETCH(int, max);
        const FieldRef ref = fieldRef(field, record);
        for (const int value : {min, max}) {
            ParameterImage image;
            image.set(offset, std::uint8_t(value));
            QCOMPARE(ReadByteField(image, ref), value);
            ParameterImage stored;
            storeBackField(image, stored, field, record);
            QCOMPARE(stored.at(offset), value);
        }
        for (const int beyond : {min - 1, max + 1}) {
            if (beyond < 0 || beyond > 255)
                continue;
            ParameterImage image;
            image.set(offset, std::uint8_t(beyond));
            QVERIFY(ReadByteField(image, ref) != beyond);
        }
    }
};

QTEST_APPLESS_MAIN(TestFieldConversions)
#include "tst_fieldconversions.moc"
