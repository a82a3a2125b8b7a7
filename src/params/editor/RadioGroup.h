#pragma once

#include <QStringList>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QRadioButton;

// A radio group: its items in `columns` columns, at most one chosen. Its item
// index is -1 when none is chosen, as after loading a value beyond the list.
// With a caption the items stand in a titled frame; without one the group is
// just its buttons, so that a table row holds nothing else.
class RadioGroup : public QWidget
{
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    QString caption() const;
    int itemIndex() const;
    // An index outside the items chooses none.
    void setItemIndex(int index);

    int count() const { return int(m_buttons.size()); }
    QRadioButton* button(int index) const { return m_buttons.at(std::size_t(index)); }

private:
    QGroupBox* m_frame = nullptr;
    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
};
