#include "params/editor/ArmingModeBox.h"

#include "params/FieldConversions.h"
#include "params/SettingTexts.h"
#include "params/TFormOnOffMode.h"
#include "params/editor/NumberBox.h"
#include "params/editor/RadioGroup.h"
#include "ui/ModalLoop.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kNumberWidth = 30;
}

ArmingModeBox::ArmingModeBox(QWidget* parent)
    : QWidget(parent)
{
    const QString caption = params::texts::kArmingMode + QStringLiteral(" :");
    lbTOnOffAB = new QLabel(caption, this);
    lbTOnOffAB->setObjectName(QStringLiteral("lbTOnOffAB"));
    // The caption wraps like the page's other long captions, so that the
    // telephone page keeps to the editor's width.
    lbTOnOffAB->setWordWrap(true);
    edOnOffMode = new NumberBox(params::fieldRef(params::Field::ArmingMode).range, this);
    edOnOffMode->setObjectName(QStringLiteral("edOnOffMode"));
    edOnOffMode->setAccessibleName(params::texts::kArmingMode);
    edOnOffMode->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edOnOffMode->setFixedWidth(kNumberWidth);
    edOnOffMode->setEnabled(false);
    btOnOffMode = new QPushButton(QStringLiteral("Módosítás"), this);
    btOnOffMode->setObjectName(QStringLiteral("btOnOffMode"));
    btOnOffMode->setAutoDefault(false);
    connect(btOnOffMode, &QPushButton::clicked, this, &ArmingModeBox::btOnOffModeClick);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lbTOnOffAB, 1);
    // The button takes the up-down's place, right against the number.
    auto* number = new QHBoxLayout;
    number->setSpacing(0);
    number->addWidget(edOnOffMode);
    number->addWidget(btOnOffMode);
    layout->addLayout(number);
}

void ArmingModeBox::setDialog(TFormOnOffMode& dialog)
{
    m_dialog = &dialog;
}

void ArmingModeBox::btOnOffModeClick()
{
    if (!m_dialog)
        return;
    // Not again from inside its own loop: the choice there is the person's.
    if (modalLoopRunning(*m_dialog))
        return;
    m_dialog->rgOnOffMode->setItemIndex(edOnOffMode->value());
    if (execModal(*m_dialog) == QDialog::Accepted && m_dialog->rgOnOffMode->itemIndex() >= 0)
        edOnOffMode->setValue(m_dialog->rgOnOffMode->itemIndex());
}

void ArmingModeBox::load(const params::ParameterImage& image)
{
    edOnOffMode->setValue(params::ReadByteField(image, params::fieldRef(params::Field::ArmingMode)));
}

void ArmingModeBox::store(params::ParameterImage& image) const
{
    params::WriteByteField(image, params::fieldRef(params::Field::ArmingMode), edOnOffMode->value());
}
