#include "params/editor/ArmingModeBox.h"

ArmingModeBox::ArmingModeBox(QWidget* parent)
    : QWidget(parent)
{
}

void ArmingModeBox::setDialog(TFormOnOffMode& dialog)
{
    m_dialog = &dialog;
}

void ArmingModeBox::load(const params::ParameterImage& image)
{
    Q_UNUSED(image);
}

void ArmingModeBox::store(params::ParameterImage& image) const
{
    Q_UNUSED(image);
}
