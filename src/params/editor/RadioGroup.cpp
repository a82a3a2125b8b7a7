#include "params/editor/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    QWidget* holder = this;
    if (!caption.isEmpty()) {
        auto* outer = new QVBoxLayout(this);
        outer->setContentsMargins(0, 0, 0, 0);
        m_frame = new QGroupBox(caption, this);
        outer->addWidget(m_frame);
        holder = m_frame;
        setAccessibleName(caption);
    }
    auto* layout = new QGridLayout(holder);
    if (!m_frame) {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int index = 0; index < int(items.size()); ++index) {
        auto* button = new QRadioButton(items.at(index), holder);
        m_group->addButton(button, index);
        m_buttons.push_back(button);
        // Items run down the first column, then the next.
        layout->addWidget(button, index % rows, index / rows);
    }
}

QString RadioGroup::caption() const
{
    return m_frame ? m_frame->title() : QString();
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count()) {
        button(index)->setChecked(true);
        return;
    }
    // An exclusive group never lets its last chosen button go.
    m_group->setExclusive(false);
    for (QRadioButton* b : m_buttons)
        b->setChecked(false);
    m_group->setExclusive(true);
}
