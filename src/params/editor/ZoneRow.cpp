#include "params/editor/ZoneRow.h"

#include "params/FieldConversions.h"
#include "params/editor/AccessibleName.h"
#include "params/editor/NumberBox.h"
#include "params/editor/RadioGroup.h"
#include "params/editor/TableMetrics.h"
#include "params/editor/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

using params::Field;
using params::fieldRef;

namespace {

constexpr int kNumberWidth = 46;
constexpr int kNightWidth = 104;
constexpr int kNameWidth = 84;

// Captionless radio buttons, one per item; the items are the columns' titles.
RadioGroup* markRow(const QStringList& items, const QString& row, QWidget* parent)
{
    auto* group = new RadioGroup(QString(), QStringList(items.size(), QString()), int(items.size()), parent);
    for (int index = 0; index < group->count(); ++index) {
        QRadioButton* button = group->button(index);
        button->setFixedSize(editor::kMarkWidth, editor::kRowHeight);
        button->setAccessibleName(cellAccessibleName(row, items.at(index)));
    }
    return group;
}

QString numbered(const char* name, int zone)
{
    return QString::fromLatin1(name) + QString::number(zone);
}

} // namespace

ZoneRow::ZoneRow(int zone, QGridLayout& grid, int gridRow, QWidget* parent)
    : m_zone(zone)
{
    const QString row = params::texts::zoneRowCaption(zone);
    lbZone = new QLabel(row, parent);
    lbZone->setObjectName(numbered("lbZone", zone));
    lbZone->setFixedHeight(editor::kRowHeight);
    grid.addWidget(lbZone, gridRow, CaptionColumn);

    rgZonaBek = markRow(params::texts::kZoneWiring, row, parent);
    rgZonaBek->setObjectName(numbered("rgZonaBek", zone));
    grid.addWidget(rgZonaBek, gridRow, WiringColumn, Qt::AlignLeft);
    rgZonaPart = markRow(params::texts::kZonePartition, row, parent);
    rgZonaPart->setObjectName(numbered("rgZonaPart", zone));
    grid.addWidget(rgZonaPart, gridRow, PartitionColumn, Qt::AlignLeft);

    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const ZoneNumberColumn& column = kZoneNumberColumns[i];
        auto* box = new NumberBox(fieldRef(column.field, zone).range, parent);
        box->setObjectName(numbered(column.boxName, zone));
        box->setAccessibleName(cellAccessibleName(row, column.title));
        box->setFixedSize(kNumberWidth, editor::kRowHeight);
        grid.addWidget(box, gridRow, FirstNumberColumn + int(i), Qt::AlignLeft);
        numbers[i] = box;
    }

    cbNightSet = new QComboBox(parent);
    cbNightSet->setObjectName(numbered("cbNightSet", zone));
    cbNightSet->addItems(params::texts::kNightSetting);
    cbNightSet->setAccessibleName(cellAccessibleName(row, params::texts::oneLine(params::texts::kNightSettingLines)));
    cbNightSet->setFixedSize(kNightWidth, editor::kRowHeight);
    grid.addWidget(cbNightSet, gridRow, NightColumn, Qt::AlignLeft);

    edZonaNeve = new TextBox(params::kNameLength, parent);
    edZonaNeve->setObjectName(numbered("edZonaNeve", zone));
    edZonaNeve->setAccessibleName(cellAccessibleName(row, params::texts::kZoneName));
    edZonaNeve->setFixedSize(kNameWidth, editor::kRowHeight);
    grid.addWidget(edZonaNeve, gridRow, NameColumn, Qt::AlignLeft);
}

void ZoneRow::load(const params::ParameterImage& image)
{
    edZonaNeve->setText(params::ReadText(image, fieldRef(Field::ZoneName, m_zone)));
    rgZonaBek->setItemIndex(params::ReadByteField(image, fieldRef(Field::ZoneWiring, m_zone)));
    rgZonaPart->setItemIndex(params::ReadByteField(image, fieldRef(Field::ZonePartition, m_zone)));
    for (std::size_t i = 0; i < numbers.size(); ++i)
        numbers[i]->setValue(params::ReadByteField(image, fieldRef(kZoneNumberColumns[i].field, m_zone)));
    cbNightSet->setCurrentIndex(params::ReadByteField(image, fieldRef(Field::ZoneNightSetting, m_zone)));
}

void ZoneRow::store(params::ParameterImage& image) const
{
    params::WriteText(image, fieldRef(Field::ZoneName, m_zone), edZonaNeve->text());
    params::WriteByteField(image, fieldRef(Field::ZoneWiring, m_zone), rgZonaBek->itemIndex());
    params::WriteByteField(image, fieldRef(Field::ZonePartition, m_zone), rgZonaPart->itemIndex());
    for (std::size_t i = 0; i < numbers.size(); ++i)
        params::WriteByteField(image, fieldRef(kZoneNumberColumns[i].field, m_zone), numbers[i]->value());
    params::WriteByteField(image, fieldRef(Field::ZoneNightSetting, m_zone), cbNightSet->currentIndex());
}
