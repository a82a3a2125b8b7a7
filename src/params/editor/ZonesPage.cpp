#include "params/editor/ZonesPage.h"

#include "params/FieldConversions.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/CheckColumn.h"
#include "params/editor/ColumnTitles.h"
#include "params/editor/NumberBox.h"
#include "params/editor/TableMetrics.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using params::Field;

namespace {

constexpr int kHeaderRow = 0;
constexpr int kFirstZoneRow = 1;
constexpr int kNightWalkWidth = 46;

using namespace params::texts;

struct FlagTitle
{
    const char* columnName;
    const char* name;
    const QString& title;
};
constexpr std::array<FlagTitle, 3> kFlagTitles{{
    {"cbBypass", "rlbBypass", kBypass},
    {"cbZonaCsendes", "rlbSilentZone", kSilentZone},
    {"cbKoveto", "rlbKovetoZona", kFollowerZone},
}};

// One narrow rotated title per radio button or check column.
template <std::size_t N>
QWidget* markTitles(const std::array<const char*, N>& names, const QStringList& items, QWidget* parent)
{
    QList<ColumnTitle> titles;
    for (std::size_t i = 0; i < N; ++i)
        titles.append({names[i], items.at(qsizetype(i))});
    return rotatedTitles(titles, editor::kMarkWidth, parent);
}

QWidget* flagTitles(QWidget* parent)
{
    QList<ColumnTitle> titles;
    for (const FlagTitle& flag : kFlagTitles)
        titles.append({flag.name, flag.title});
    return rotatedTitles(titles, editor::kMarkWidth, parent);
}

} // namespace

ZonesPage::ZonesPage(QWidget* parent)
    : EditorPage(parent)
{
    const auto [page, grid] = makeTablePageLayout(this);

    // Header: rotated titles above their columns.
    grid->addWidget(flagTitles(this), kHeaderRow, ZoneRow::FlagsColumn, Qt::AlignBottom);
    grid->addWidget(markTitles(kWiringTitleNames, kZoneWiring, this), kHeaderRow, ZoneRow::WiringColumn,
                    Qt::AlignBottom);
    grid->addWidget(markTitles(kPartitionTitleNames, kZonePartition, this), kHeaderRow, ZoneRow::PartitionColumn,
                    Qt::AlignBottom);
    for (std::size_t i = 0; i < kZoneNumberColumns.size(); ++i) {
        const ZoneNumberColumn& column = kZoneNumberColumns[i];
        grid->addWidget(rotatedTitles({{column.titleName, column.title},
                                       {column.unitName, column.unit}},
                                      0, this),
                        kHeaderRow, ZoneRow::FirstNumberColumn + int(i), Qt::AlignBottom);
    }
    grid->addWidget(stackedTitles({{"lbNightSetting1", kNightSettingLines.at(0)},
                                   {"lbNightSetting2", kNightSettingLines.at(1)}},
                                  this),
                    kHeaderRow, ZoneRow::NightColumn, Qt::AlignBottom);
    grid->addWidget(rotatedTitles({{"rlbZoneName", kZoneName}, {"rlbMax10Char", QStringLiteral("(max 10 karakter)")}},
                                  0, this),
                    kHeaderRow, ZoneRow::NameColumn, Qt::AlignBottom);

    rows.reserve(params::kZones);
    for (int zone = 1; zone <= params::kZones; ++zone)
        rows.emplace_back(zone, *grid, kFirstZoneRow + zone - 1, this);

    // The flag columns, side by side, their items level with the rows.
    auto* flags = new QWidget(this);
    auto* flagsLayout = new QHBoxLayout(flags);
    flagsLayout->setContentsMargins(0, 0, 0, 0);
    flagsLayout->setSpacing(0);
    std::array<CheckColumn**, 3> columns{&cbBypass, &cbZonaCsendes, &cbKoveto};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        auto* column = new CheckColumn(params::kZones, editor::kRowHeight, flags);
        const QString& title = kFlagTitles[i].title;
        column->setObjectName(QString::fromLatin1(kFlagTitles[i].columnName));
        column->setAccessibleName(title.trimmed());
        column->setFixedWidth(editor::kMarkWidth);
        for (int zone = 1; zone <= params::kZones; ++zone)
            column->setItemAccessibleName(zone - 1, cellAccessibleName(zoneRowCaption(zone), title));
        flagsLayout->addWidget(column);
        *columns[i] = column;
    }
    grid->addWidget(flags, kFirstZoneRow, ZoneRow::FlagsColumn, params::kZones, 1, Qt::AlignTop);
    grid->setColumnStretch(ZoneRow::NameColumn + 1, 1);

    // The night walk, one time for the whole module, under the name column.
    auto* nightWalk = new QHBoxLayout;
    nightWalk->setSpacing(4);
    nightWalk->addStretch(1);
    for (const ColumnTitle& caption : {ColumnTitle{"lbNightWalk1", kNightWalkLines.at(0)},
                                       ColumnTitle{"lbNightWalk2", kNightWalkLines.at(1)},
                                       ColumnTitle{"lbNightWalk3", kMinutesUpTo25Unit}}) {
        auto* label = new QLabel(caption.text, this);
        label->setObjectName(QString::fromLatin1(caption.name));
        nightWalk->addWidget(label);
    }
    edNightDelay = new NumberBox(params::fieldRef(Field::NightWalk).range, this);
    edNightDelay->setObjectName(QStringLiteral("edNightDelay"));
    edNightDelay->setAccessibleName(oneLine(kNightWalkLines));
    edNightDelay->setFixedSize(kNightWalkWidth, editor::kRowHeight);
    nightWalk->addWidget(edNightDelay);
    page->addSpacing(6);
    page->addLayout(nightWalk);
    page->addStretch(1);
}

std::array<ZonesPage::FlagColumn, 3> ZonesPage::flagColumns() const
{
    return {{{Field::ZoneBypass, cbBypass}, {Field::ZoneSilent, cbZonaCsendes}, {Field::ZoneFollower, cbKoveto}}};
}

void ZonesPage::load(const params::ParameterImage& image)
{
    for (ZoneRow& row : rows)
        row.load(image);
    for (const FlagColumn& flag : flagColumns()) {
        const params::ZoneFlags marked = params::ReadZoneFlags(image, flag.field);
        for (int i = 0; i < params::kZones; ++i)
            flag.column->setChecked(i, marked[std::size_t(i)]);
    }
    edNightDelay->setValue(params::ReadByteField(image, params::fieldRef(Field::NightWalk)));
}

void ZonesPage::store(params::ParameterImage& image) const
{
    for (const ZoneRow& row : rows)
        row.store(image);
    for (const FlagColumn& flag : flagColumns()) {
        params::ZoneFlags marked{};
        for (int i = 0; i < params::kZones; ++i)
            marked[std::size_t(i)] = flag.column->isChecked(i);
        params::WriteZoneFlags(image, flag.field, marked);
    }
    params::WriteByteField(image, params::fieldRef(Field::NightWalk), edNightDelay->value());
}
