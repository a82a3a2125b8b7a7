#include "params/SettingsDiff.h"

#include "monitor/EventCatalogue.h"
#include "params/FieldConversions.h"
#include "params/ImageLayout.h"
#include "params/SettingTexts.h"

#include <array>

namespace params {

namespace {

const QString kOn = QStringLiteral("be");
const QString kOff = QStringLiteral("ki");
const QString kEmptyValue = QStringLiteral("(üres)");

QString joined(const QString& row, const QString& column)
{
    if (row.isEmpty())
        return column;
    if (column.isEmpty())
        return row.trimmed();
    return row.trimmed() + QStringLiteral(" – ") + column.trimmed();
}

QString eventMaskRow(int row)
{
    return row == 0 ? texts::kPhoneRemoteControlRow : monitor::eventRowLabel(row);
}

// The row caption of a record, where its field has rows.
QString rowOf(Field field, int record)
{
    switch (field) {
    case Field::UserName:
    case Field::UserCode:
    case Field::UserRights:
    case Field::RemoteButtons: return texts::userRowCaption(record);
    case Field::ZoneName:
    case Field::ZoneWiring:
    case Field::ZonePartition:
    case Field::ZoneSensitivity:
    case Field::ZoneEntryDelay:
    case Field::ZoneExitDelay:
    case Field::ZoneSilent:
    case Field::ZoneSmartTime:
    case Field::ZoneFollower:
    case Field::ZoneCoverTime:
    case Field::ZoneNightSetting:
    case Field::ZoneBypass: return texts::zoneRowCaption(record);
    case Field::EventContactId:
    case Field::EventRoutes:
    case Field::EventSmsText:
    case Field::EventVoiceNumber: return monitor::eventRowLabel(record);
    case Field::Phone:
    case Field::AckMode: return texts::phoneCaption(record);
    case Field::CentrePhone: return texts::centrePhoneCaption(record);
    case Field::SirenMode:
    case Field::SirenDelay:
    case Field::SirenTime: return texts::sirenOutputCaption(record);
    case Field::RelayDelay:
    case Field::RelayTime: return texts::relayCaption(record);
    case Field::RelayOnEvents: return texts::relayOnEventsCaption(record);
    case Field::RelayOffEvents: return texts::relayOffEventsCaption(record);
    default: return {};
    }
}

// The column title, or the whole name of a setting that has no rows.
QString columnOf(Field field)
{
    switch (field) {
    case Field::UserName: return texts::kUserName;
    case Field::UserCode: return texts::kUserCode;
    case Field::InstallerCode: return texts::kInstallerCode;
    case Field::ZoneName: return texts::kZoneName;
    case Field::ZoneWiring: return texts::kZoneWiringName;
    case Field::ZonePartition: return texts::kZonePartitionName;
    case Field::ZoneSensitivity: return texts::kZoneSensitivity;
    case Field::ZoneEntryDelay: return texts::kEntryDelay;
    case Field::ZoneExitDelay: return texts::kExitDelay;
    case Field::ZoneSilent: return texts::kSilentZone;
    case Field::ZoneSmartTime: return texts::kSmartZone;
    case Field::ZoneFollower: return texts::kFollowerZone;
    case Field::ZoneCoverTime: return texts::kCoverTime;
    case Field::ZoneNightSetting: return texts::oneLine(texts::kNightSettingLines);
    case Field::ZoneBypass: return texts::kBypass;
    case Field::EventContactId: return texts::oneLine(texts::kContactIdLines);
    case Field::EventSmsText: return texts::kSmsText;
    case Field::EventVoiceNumber: return texts::oneLine(texts::kVoiceNumberLines);
    case Field::SmsForwardPhone: return texts::kSmsForwardPhone;
    case Field::AckMode: return texts::kAckMode;
    case Field::CustomerAccount: return texts::kCustomerAccount;
    case Field::ArmingMode: return texts::kArmingMode;
    case Field::SirenMode: return texts::kSirenModeName;
    case Field::SirenDelay:
    case Field::RelayDelay: return texts::kStartDelay;
    case Field::SirenTime:
    case Field::RelayTime: return texts::kMaxDuration;
    case Field::AlarmMax: return texts::kAlarmMax;
    case Field::TestHour: return texts::kTestTime + QStringLiteral(" – óra");
    case Field::TestMinute: return texts::kTestTime + QStringLiteral(" – perc");
    case Field::TestPeriod: return texts::kTestPeriod;
    case Field::ZoneAlarmLimit: return texts::kZoneAlarmLimit;
    case Field::AutoArm: return texts::kAutoArm;
    case Field::NightWalk: return texts::oneLine(texts::kNightWalkLines);
    default: return {};
    }
}

const QStringList* choicesOf(Field field)
{
    switch (field) {
    case Field::ZoneWiring: return &texts::kZoneWiring;
    case Field::ZonePartition: return &texts::kZonePartition;
    case Field::ZoneNightSetting: return &texts::kNightSetting;
    case Field::AckMode: return &texts::kAckModes;
    case Field::SirenMode: return &texts::kSirenModes;
    default: return nullptr;
    }
}

QString itemOrNumber(const QStringList& items, int value)
{
    return value < items.size() ? items.at(value) : QString::number(value);
}

QString hexBytes(std::span<const std::uint8_t> bytes)
{
    QStringList parts;
    for (const std::uint8_t byte : bytes)
        parts << QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    return parts.join(QLatin1Char(' '));
}

// Grid cells as one string; an empty cell inside shows as "_", empty cells at
// the end are left out.
template <std::size_t N>
QString cellsText(const std::array<QString, N>& cells)
{
    QString text;
    for (const QString& cell : cells)
        text += cell.isEmpty() ? QStringLiteral("_") : cell;
    while (text.endsWith(QLatin1Char('_')))
        text.chop(1);
    return text.isEmpty() ? kEmptyValue : text;
}

QString flagText(Encoding encoding, int raw)
{
    const bool set = encoding == Encoding::OneFlag ? raw == 1 : raw != 0;
    const QString text = set ? kOn : kOff;
    return raw > 1 ? text + QStringLiteral(" (%1)").arg(raw) : text;
}

// The value of a one-entry field as the installer would read it.
QString valueOf(const ParameterImage& image, Field field, const FieldRef& ref, CodeDisplay codes)
{
    const int raw = image.at(ref.offset);
    switch (ref.encoding) {
    case Encoding::Number:
    case Encoding::TimePart: return QString::number(raw);
    case Encoding::Choice: return itemOrNumber(*choicesOf(field), raw);
    case Encoding::NonZeroFlag:
    case Encoding::OneFlag: return flagText(ref.encoding, raw);
    case Encoding::Text: return QStringLiteral("»%1«").arg(ReadText(image, ref));
    case Encoding::Code: return codes == CodeDisplay::Hidden ? kNoCodeText : ReadCode(image, ref);
    case Encoding::DigitString: return cellsText(ReadDigits(image, ref));
    case Encoding::LowHexDigit: return cellsText(ReadContactId(image, ref));
    case Encoding::HexDigitByte: return cellsText(ReadAccount(image, ref));
    case Encoding::Word:
    case Encoding::EventMask:
    case Encoding::ButtonPair: break;
    }
    return hexBytes(image.range(ref.offset, ref.size));
}

int wordOf(const ParameterImage& image, const FieldRef& ref)
{
    return image.at(ref.offset) * 256 + image.at(ref.offset + 1);
}

int maskBit(const ParameterImage& image, const FieldRef& ref, int row)
{
    return (image.at(ref.offset + row / 8) >> (row % 8)) & 1;
}

int buttonNibble(const ParameterImage& image, const FieldRef& ref, int button)
{
    const int byte = image.at(ref.offset + button / 2);
    return button % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

class Differ
{
public:
    Differ(const ParameterImage& before, const ParameterImage& after, CodeDisplay codes)
        : m_before(before)
        , m_after(after)
        , m_codes(codes)
    {
    }

    void field(Field field, int record)
    {
        const FieldRef ref = fieldRef(field, record);
        if (std::ranges::equal(m_before.range(ref.offset, ref.size), m_after.range(ref.offset, ref.size)))
            return;
        const qsizetype found = m_list.size();
        const QString row = rowOf(field, record);
        switch (ref.encoding) {
        case Encoding::Word: {
            const QStringList& titles = field == Field::UserRights ? texts::kRights : texts::kRoutes;
            for (int k = 0; k < ref.items; ++k)
                flag(joined(row, titles.at(k)), (wordOf(m_before, ref) >> k) & 1, (wordOf(m_after, ref) >> k) & 1);
            break;
        }
        case Encoding::EventMask:
            for (int r = 0; r < ref.items; ++r)
                flag(joined(row, eventMaskRow(r)), maskBit(m_before, ref, r), maskBit(m_after, ref, r));
            break;
        case Encoding::ButtonPair:
            for (int b = 0; b < ref.items; ++b) {
                const int was = buttonNibble(m_before, ref, b);
                const int now = buttonNibble(m_after, ref, b);
                if (was != now)
                    add(joined(row, texts::buttonCaption(b + 1)),
                        itemOrNumber(texts::kButtonFunctions, was), itemOrNumber(texts::kButtonFunctions, now));
            }
            break;
        default:
            add(joined(row, columnOf(field)), valueOf(m_before, field, ref, m_codes),
                valueOf(m_after, field, ref, m_codes), ref.encoding == Encoding::Code);
        }
        // Bytes that differ only where no flag or button is shown (the unused
        // bits of a route word or an event mask) still differ: say so in bytes.
        if (m_list.size() == found)
            add(joined(row, columnOf(field)),
                hexBytes(m_before.range(ref.offset, ref.size)), hexBytes(m_after.range(ref.offset, ref.size)));
    }

    void looseByte(int offset)
    {
        if (m_before.at(offset) != m_after.at(offset))
            add(QStringLiteral("Bájt %1 (beállításon kívül)").arg(offset),
                hexBytes(m_before.range(offset, 1)), hexBytes(m_after.range(offset, 1)));
    }

    QList<SettingDifference> take() { return std::move(m_list); }

private:
    void flag(const QString& setting, int was, int now)
    {
        if (was != now)
            add(setting, was ? kOn : kOff, now ? kOn : kOff);
    }

    void add(const QString& setting, const QString& before, const QString& after, bool isCode = false)
    {
        m_list.append({setting, before, after, isCode});
    }

    const ParameterImage& m_before;
    const ParameterImage& m_after;
    CodeDisplay m_codes;
    QList<SettingDifference> m_list;
};

// Which field record each byte belongs to, looked up once.
using LocationTable = std::array<std::optional<FieldLocation>, ParameterImage::kSize>;

const LocationTable& locations()
{
    static const LocationTable table = [] {
        LocationTable built;
        for (int offset = 0; offset < ParameterImage::kSize; ++offset)
            built[std::size_t(offset)] = fieldAtOffset(offset);
        return built;
    }();
    return table;
}

} // namespace

QString SettingDifference::text() const
{
    return QStringLiteral("%1: %2 → %3").arg(setting, before, after);
}

QList<SettingDifference> differingSettings(const ParameterImage& before, const ParameterImage& after,
                                           CodeDisplay codes)
{
    Differ differ(before, after, codes);
    // In image order: the field that starts at an offset, or a byte of no field.
    for (int offset = 0; offset < ParameterImage::kSize; ++offset) {
        const auto& location = locations()[std::size_t(offset)];
        if (!location)
            differ.looseByte(offset);
        else if (offsetOf(location->field, location->record) == offset)
            differ.field(location->field, location->record);
    }
    return differ.take();
}

} // namespace params
