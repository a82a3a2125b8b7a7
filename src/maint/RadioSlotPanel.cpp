#include "maint/RadioSlotPanel.h"

#include "maint/RadioTexts.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMargin = 2;
} // namespace

QColor slotColour(maint::SlotColour colour)
{
    using maint::SlotColour;
    switch (colour) {
    case SlotColour::Teal: return QColor(0, 128, 128);
    case SlotColour::Blue: return QColor(0, 0, 255);
    case SlotColour::Yellow: return QColor(255, 255, 0);
    case SlotColour::Red: return QColor(255, 0, 0);
    case SlotColour::ButtonFace: break;
    }
    return QApplication::palette().color(QPalette::Button);
}

RadioSlotPanel::RadioSlotPanel(int slot, const QString& name, const QString& letter, const QString& buttonName,
                               QWidget* parent)
    : QFrame(parent)
    , state(new QLabel(text::radioSlotInitial, this))
    , teach(new QPushButton(text::radioTeach, this))
    , m_tag(slot + 1)
{
    setObjectName(QStringLiteral("Panel") + name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    if (!letter.isEmpty()) {
        auto* device = new QLabel(letter, this);
        QFont bold = device->font();
        bold.setBold(true);
        device->setFont(bold);
        device->setAlignment(Qt::AlignCenter);
        layout->addWidget(device);
    }
    state->setObjectName(QStringLiteral("lb") + name);
    state->setAlignment(Qt::AlignCenter);
    layout->addWidget(state);
    teach->setObjectName(buttonName);
    teach->setProperty("Tag", m_tag);
    // Twelve columns share the window's width: the button gives way.
    teach->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout->addWidget(teach);
    paint(maint::SlotLook{text::radioSlotInitial, maint::SlotColour::ButtonFace});
}

void RadioSlotPanel::paint(const maint::SlotLook& look)
{
    state->setText(look.text);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, slotColour(look.colour));
    setPalette(palette);
}

QColor RadioSlotPanel::colour() const
{
    return palette().color(QPalette::Window);
}
