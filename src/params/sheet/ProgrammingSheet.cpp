#include "params/sheet/ProgrammingSheet.h"

#include "monitor/EventCatalogue.h"
#include "params/FieldConversions.h"
#include "params/ImageLayout.h"
#include "params/SettingTexts.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <array>
#include <optional>
#include <utility>

namespace params {

namespace {

using namespace texts;

const QString kNone = QStringLiteral("–");
const QString kMark = QStringLiteral("X");
const QString kFontFamily = QStringLiteral("DejaVu Sans");
constexpr qreal kBodyPoints = 7.5;
constexpr qreal kTitleRowPoints = 7;
constexpr qreal kHeadingPoints = 11;
constexpr qreal kTitlePoints = 15;
const QColor kHeaderShade{0xE4, 0xE4, 0xE4};
const QColor kRule{0x80, 0x80, 0x80};

// Labels of the header that the editor does not show.
const QString kSiteLabel = QStringLiteral("Telephely");
const QString kDateLabel = QStringLiteral("Dátum");
const QString kProgramVersionLabel = QStringLiteral("Programverzió");
const QString kDataVersionLabel = QStringLiteral("Adatverzió");
const QString kEventColumn = QStringLiteral("Esemény");

QString orNone(const QString& text)
{
    return text.isEmpty() ? kNone : text;
}

QString mark(bool set)
{
    return set ? kMark : QString();
}

// A list item, or a dash where the editor would show no selection.
QString item(const QStringList& items, int index)
{
    return index >= 0 && index < items.size() ? items.at(index) : kNone;
}

// Grid cells as one string: an empty cell inside shows as "_", empty cells
// at the end are left out.
template <std::size_t N>
QString cellsText(const std::array<QString, N>& cells)
{
    QString text;
    for (const QString& cell : cells)
        text += cell.isEmpty() ? QStringLiteral("_") : cell;
    while (text.endsWith(u'_'))
        text.chop(1);
    return orNone(text);
}

QString number(Field field, int record, const ParameterImage& image)
{
    return QString::number(ReadByteField(image, fieldRef(field, record)));
}

QString titleLines(const QStringList& lines)
{
    return lines.join(u'\n');
}

// A caption with its range under it, as a column title.
QString rangeUnder(const QString& caption)
{
    const qsizetype range = caption.indexOf(QStringLiteral(" ("));
    return range < 0 ? caption : caption.left(range) + u'\n' + caption.mid(range + 1);
}

// A caption as the editor's labels show it, without its layout blanks.
QString plain(const QString& caption)
{
    return caption.simplified().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

struct Column
{
    QString title;
    qreal percent;
    Qt::Alignment alignment = Qt::AlignLeft;
};

using Row = QStringList;
using Pair = std::pair<QString, QString>;

// Appends headings, paragraphs and tables at the end of the document.
class SheetWriter
{
public:
    explicit SheetWriter(QTextDocument& document)
        : m_cursor(&document)
    {
        QFont body(kFontFamily);
        body.setPointSizeF(kBodyPoints);
        document.setDefaultFont(body);
        document.setDocumentMargin(0);
    }

    void title(const QString& text)
    {
        QTextCharFormat format;
        format.setFontPointSize(kTitlePoints);
        format.setFontWeight(QFont::Bold);
        m_cursor.setCharFormat(format);
        m_cursor.insertText(text);
        QTextBlockFormat spaced;
        spaced.setBottomMargin(6);
        m_cursor.setBlockFormat(spaced);
    }

    void heading(const QString& text) { boldBlock(text, 12, 4, kHeadingPoints); }

    void subheading(const QString& text) { boldBlock(text, 6, 2, std::nullopt); }

    void note(const QString& text)
    {
        QTextBlockFormat block;
        block.setTopMargin(2);
        m_cursor.insertBlock(block, QTextCharFormat());
        m_cursor.insertText(text);
    }

    // A table with a title row that repeats on every page it spans.
    void table(const QList<Column>& columns, const QList<Row>& rows)
    {
        QTextTable* table = insertTable(int(rows.size()) + 1, columns, 1);
        QTextTableCellFormat shaded;
        shaded.setBackground(kHeaderShade);
        for (int c = 0; c < columns.size(); ++c) {
            QTextTableCell cell = table->cellAt(0, c);
            cell.setFormat(shaded);
            putTitle(cell, columns.at(c).title, columns.at(c).alignment);
        }
        for (int r = 0; r < rows.size(); ++r)
            for (int c = 0; c < columns.size(); ++c)
                put(table->cellAt(r + 1, c), rows.at(r).value(c), columns.at(c).alignment, QTextCharFormat());
        m_cursor.movePosition(QTextCursor::End);
    }

    // Label and value, one setting a row, without a title row; with
    // `perRow` 2 two settings share a row.
    void pairs(const QList<Pair>& settings, qreal labelPercent = 45, int perRow = 1)
    {
        QList<Column> columns;
        for (int i = 0; i < perRow; ++i)
            columns << Column{QString(), labelPercent} << Column{QString(), 100.0 / perRow - labelPercent};
        QTextTable* table = insertTable(int((settings.size() + perRow - 1) / perRow), columns, 0);
        for (int i = 0; i < settings.size(); ++i) {
            const int row = i / perRow;
            const int column = 2 * (i % perRow);
            put(table->cellAt(row, column), settings.at(i).first, Qt::AlignLeft, QTextCharFormat());
            put(table->cellAt(row, column + 1), settings.at(i).second, Qt::AlignLeft, QTextCharFormat());
        }
        m_cursor.movePosition(QTextCursor::End);
    }

private:
    // A bold caption that stays on the page of what follows it.
    void boldBlock(const QString& text, int topMargin, int bottomMargin, std::optional<qreal> points)
    {
        QTextBlockFormat block;
        block.setTopMargin(topMargin);
        block.setBottomMargin(bottomMargin);
        block.setProperty(kKeepWithNextProperty, true);
        QTextCharFormat format;
        if (points)
            format.setFontPointSize(*points);
        format.setFontWeight(QFont::Bold);
        m_cursor.insertBlock(block, format);
        m_cursor.insertText(text);
    }

    QTextTable* insertTable(int rows, const QList<Column>& columns, int headerRows)
    {
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderBrush(kRule);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(1.5);
        format.setTopMargin(4);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(headerRows);
        QList<QTextLength> widths;
        for (const Column& column : columns)
            widths << QTextLength(QTextLength::PercentageLength, column.percent);
        format.setColumnWidthConstraints(widths);
        return m_cursor.insertTable(rows, int(columns.size()), format);
    }

    // A column title: its first line in bold, the lines under it (units,
    // colours) plain, all a little smaller than the table's text.
    static void putTitle(const QTextTableCell& cell, const QString& title, Qt::Alignment alignment)
    {
        QTextCharFormat format;
        format.setFontPointSize(kTitleRowPoints);
        QTextCharFormat bold = format;
        bold.setFontWeight(QFont::Bold);
        const QStringList lines = title.split(u'\n');
        put(cell, lines.constFirst(), alignment, bold);
        QTextCursor at = cell.lastCursorPosition();
        for (qsizetype i = 1; i < lines.size(); ++i)
            at.insertText(QStringLiteral("\n") + lines.at(i), format);
    }

    static void put(const QTextTableCell& cell, const QString& text, Qt::Alignment alignment,
                    const QTextCharFormat& format)
    {
        QTextCursor at = cell.firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(alignment);
        at.setBlockFormat(block);
        at.setCharFormat(format);
        // Each line of a text becomes a paragraph of the cell, aligned alike.
        at.insertText(text);
    }

    QTextCursor m_cursor;
};

void writeHeader(SheetWriter& sheet, const ParameterImage& image, const SheetHeader& header)
{
    sheet.title(kSheetTitle);
    const QString date = header.date.isValid() ? header.date.toString(QStringLiteral("yyyy.MM.dd. HH:mm")) : kNone;
    const QString dataVersion = header.dataVersion ? QString::number(*header.dataVersion) : kNone;
    // An unknown site stays blank, to be filled in by hand.
    sheet.pairs({{kSiteLabel, header.site},
                 {kDateLabel, date},
                 {kCustomerAccount, sheetAccountText(image)},
                 {kProgramVersionLabel, orNone(header.programVersion)},
                 {QString(), QString()},
                 {kDataVersionLabel, dataVersion}},
                15, 2);
}

// The editor's one row per zone is too wide for a page: its choices and
// flags go into one table, its times into a second, both led by the zone's
// caption and name.
void writeZones(SheetWriter& sheet, const ParameterImage& image)
{
    sheet.heading(kZonesPage);
    const Qt::Alignment centre = Qt::AlignHCenter;
    const ZoneFlags bypassed = ReadZoneFlags(image, Field::ZoneBypass);
    const ZoneFlags silent = ReadZoneFlags(image, Field::ZoneSilent);
    const ZoneFlags follower = ReadZoneFlags(image, Field::ZoneFollower);
    QList<Row> choices;
    QList<Row> times;
    for (int zone = 1; zone <= kZones; ++zone) {
        const auto i = std::size_t(zone - 1);
        const Row lead{zoneRowCaption(zone).trimmed(), ReadText(image, fieldRef(Field::ZoneName, zone))};
        choices << lead + Row{item(kZoneWiring, ReadByteField(image, fieldRef(Field::ZoneWiring, zone))),
                              item(kZonePartition, ReadByteField(image, fieldRef(Field::ZonePartition, zone))),
                              item(kNightSetting, ReadByteField(image, fieldRef(Field::ZoneNightSetting, zone))),
                              mark(bypassed[i]), mark(silent[i]), mark(follower[i])};
        times << lead + Row{number(Field::ZoneSensitivity, zone, image), number(Field::ZoneEntryDelay, zone, image),
                            number(Field::ZoneExitDelay, zone, image), number(Field::ZoneSmartTime, zone, image),
                            number(Field::ZoneCoverTime, zone, image)};
    }
    const QList<Column> lead{{QString(), 10}, {kZoneName, 15}};
    sheet.table(lead + QList<Column>{{kZoneWiringName, 18}, {kZonePartitionName, 17},
                                     {titleLines(kNightSettingLines), 16}, {kBypass, 8, centre},
                                     {plain(kSilentZone), 8, centre}, {plain(kFollowerZone), 8, centre}},
                choices);
    sheet.table(lead + QList<Column>{{titleLines({kZoneSensitivity, kTenthsOfSecondUnit}), 16, centre},
                                     {titleLines({kEntryDelay, kSecondsUnit}), 14.75, centre},
                                     {titleLines({kExitDelay, kSecondsUnit}), 14.75, centre},
                                     {titleLines({kSmartZone, kMinutesUpTo25Unit}), 14.75, centre},
                                     {titleLines({kCoverTime, kHoursUpTo25Unit}), 14.75, centre}},
                times);
    sheet.pairs({{oneLine(kNightWalkLines) + u' ' + kMinutesUpTo25Unit, number(Field::NightWalk, 1, image)}});
}

void writeUsers(SheetWriter& sheet, const ParameterImage& image)
{
    sheet.heading(kUsersPage);
    const QList<Column> columns{{QString(), 14}, {kUserName, 15}, {kUserCode, 11}, {kRightsTitle, 60}};
    QList<Row> rows;
    for (int user = 1; user <= kUsers; ++user) {
        const UserRights rights = ReadUserRights(image, fieldRef(Field::UserRights, user));
        QStringList granted;
        for (int k = 0; k < kRightsFlags; ++k)
            if (rights[std::size_t(k)])
                granted << kRights.at(k).trimmed();
        // The code itself never goes on paper.
        rows << Row{userRowCaption(user).trimmed(), ReadText(image, fieldRef(Field::UserName, user)), kNoCodeText,
                    orNone(granted.join(QStringLiteral(", ")))};
    }
    sheet.table(columns, rows);
    sheet.pairs({{kInstallerCode, kNoCodeText}});
}

void writeEvents(SheetWriter& sheet, const ParameterImage& image)
{
    sheet.heading(kEventsPage);
    QList<Column> columns{{kEventColumn, 21}, {titleLines(kContactIdLines), 10, Qt::AlignHCenter}};
    for (const QString& route : kRoutes)
        columns << Column{route, route == kRoutes.constLast() ? 5.5 : 3.5, Qt::AlignHCenter};
    columns << Column{kSmsText + QStringLiteral(" *"), 24} << Column{titleLines(kVoiceNumberLines), 11.5, Qt::AlignHCenter};
    QList<Row> rows;
    for (int e = 1; e <= kEventRows; ++e) {
        Row row{monitor::eventRowLabel(e).trimmed(), cellsText(ReadContactId(image, fieldRef(Field::EventContactId, e)))};
        const RouteFlags routes = ReadRouteFlags(image, fieldRef(Field::EventRoutes, e));
        for (const bool route : routes)
            row << mark(route);
        row << ReadText(image, fieldRef(Field::EventSmsText, e)) << number(Field::EventVoiceNumber, e, image);
        rows << row;
    }
    sheet.table(columns, rows);
    sheet.note(kSmsComment);
}

void writeRelays(SheetWriter& sheet, const ParameterImage& image)
{
    sheet.heading(kRelaysPage);
    QList<Row> times;
    for (int relay = 1; relay <= kRelays; ++relay)
        times << Row{relayCaption(relay), number(Field::RelayDelay, relay, image),
                     number(Field::RelayTime, relay, image)};
    sheet.table({{QString(), 20}, {rangeUnder(kStartDelayCaption), 40, Qt::AlignHCenter},
                 {rangeUnder(kRelayMaxDurationCaption), 40, Qt::AlignHCenter}},
                times);

    // The events that switch the relays, as the editor's six lists mark
    // them; rows that no list marks are left out.
    QList<Column> columns{{kEventColumn, 34}};
    std::array<EventMask, 2 * kRelays> masks{};
    for (int relay = 1; relay <= kRelays; ++relay) {
        masks[std::size_t(2 * relay - 2)] = ReadEventMask(image, fieldRef(Field::RelayOnEvents, relay));
        masks[std::size_t(2 * relay - 1)] = ReadEventMask(image, fieldRef(Field::RelayOffEvents, relay));
        columns << Column{relayOnEventsCaption(relay), 11, Qt::AlignHCenter}
                << Column{relayOffEventsCaption(relay), 11, Qt::AlignHCenter};
    }
    QList<Row> rows;
    for (int r = 0; r < kMaskRows; ++r) {
        Row row{r == 0 ? kPhoneRemoteControlRow : monitor::eventRowLabel(r).trimmed()};
        bool marked = false;
        for (const EventMask& mask : masks) {
            row << mark(mask[std::size_t(r)]);
            marked = marked || mask[std::size_t(r)];
        }
        if (marked)
            rows << row;
    }
    if (rows.isEmpty())
        rows << (Row{kNone} + Row(2 * kRelays));
    sheet.table(columns, rows);
}

void writePhonesAndOthers(SheetWriter& sheet, const ParameterImage& image)
{
    sheet.heading(plain(kPhonesPage));
    QList<Row> numbers;
    for (int n = 1; n <= kPhones; ++n)
        numbers << Row{phoneCaption(n), cellsText(ReadDigits(image, fieldRef(Field::Phone, n))),
                       item(kAckModes, ReadByteField(image, fieldRef(Field::AckMode, n)))};
    for (int n = 1; n <= kCentrePhones; ++n)
        numbers << Row{centrePhoneCaption(n), cellsText(ReadDigits(image, fieldRef(Field::CentrePhone, n)))};
    numbers << Row{kSmsForwardPhone, cellsText(ReadDigits(image, fieldRef(Field::SmsForwardPhone)))};
    sheet.table({{QString(), 25}, {QString(), 35}, {kAckMode, 40}}, numbers);
    sheet.pairs({{kCustomerAccount, sheetAccountText(image)}}, 25);

    sheet.subheading(kSirenOutputsTitle);
    QList<Row> sirens;
    for (int n = 1; n <= kSirenOutputs; ++n)
        sirens << Row{sirenOutputCaption(n), item(kSirenModes, ReadByteField(image, fieldRef(Field::SirenMode, n))),
                      number(Field::SirenDelay, n, image), number(Field::SirenTime, n, image)};
    sheet.table({{QString(), 8}, {kSirenModeName, 44}, {rangeUnder(kStartDelayCaption), 24, Qt::AlignHCenter},
                 {rangeUnder(kSirenMaxDurationCaption), 24, Qt::AlignHCenter}},
                sirens);

    sheet.pairs({
        {kTestTimeCaption, ReadTestTime(image)},
        {kTestPeriodCaption, number(Field::TestPeriod, 1, image)},
        {kArmingMode, plain(item(kArmingModes, ReadByteField(image, fieldRef(Field::ArmingMode))))},
        {kAlarmMaxCaption, number(Field::AlarmMax, 1, image)},
        {oneLine(kZoneAlarmLimitLines), number(Field::ZoneAlarmLimit, 1, image)},
        {oneLine(kAutoArmLines), number(Field::AutoArm, 1, image)},
    }, 60);
}

void writeRemoteButtons(SheetWriter& sheet, const ParameterImage& image)
{
    sheet.heading(kRadioPage);
    sheet.subheading(kRemoteButtonsTitle);
    QList<Column> columns{{QString(), 13}, {kUserName, 13}};
    for (int b = 0; b < kRemoteButtons; ++b)
        columns << Column{titleLines(QStringList{buttonCaption(b + 1)} + kButtonColours.at(std::size_t(b))), 18.5,
                          Qt::AlignHCenter};
    QList<Row> rows;
    for (int user = 1; user <= kUsers; ++user) {
        Row row{userRowCaption(user).trimmed(), ReadText(image, fieldRef(Field::UserName, user))};
        for (const int function : ReadRemoteButtons(image, fieldRef(Field::RemoteButtons, user)))
            row << item(kButtonFunctions, function);
        rows << row;
    }
    sheet.table(columns, rows);
}

} // namespace

QString sheetAccountText(const ParameterImage& image)
{
    return cellsText(ReadAccount(image, fieldRef(Field::CustomerAccount)));
}

void buildProgrammingSheet(QTextDocument& document, const ParameterImage& image, const SheetHeader& header)
{
    document.clear();
    document.setMetaInformation(QTextDocument::DocumentTitle, kSheetTitle);
    SheetWriter sheet(document);
    writeHeader(sheet, image, header);
    writeZones(sheet, image);
    writeUsers(sheet, image);
    writeEvents(sheet, image);
    writeRelays(sheet, image);
    writePhonesAndOthers(sheet, image);
    writeRemoteButtons(sheet, image);
}

} // namespace params
