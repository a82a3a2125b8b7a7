#pragma once

#include "maint/RadioSlotLook.h"

#include <QColor>
#include <QFrame>

class QLabel;
class QPushButton;

// One radio device place on the radio window: an optional bold device letter,
// the state label and the "Tanítás" button, whose Tag is the slot number + 1.
class RadioSlotPanel : public QFrame
{
    Q_OBJECT
public:
    // `name` is the suffix of the control names: "A1" gives PanelA1, lbA1 and
    // btTeachA1; `buttonName` overrides the button's (btTeachUser1).
    RadioSlotPanel(int slot, const QString& name, const QString& letter, const QString& buttonName,
                   QWidget* parent = nullptr);

    int tag() const { return m_tag; }
    void paint(const maint::SlotLook& look);
    QColor colour() const;

    QLabel* state = nullptr;
    QPushButton* teach = nullptr;

private:
    int m_tag;
};

// The panel colour of each look: the system's button face, teal (0, 128, 128),
// blue (0, 0, 255), yellow (255, 255, 0), red (255, 0, 0).
QColor slotColour(maint::SlotColour colour);
