#include "params/editor/PhonesPage.h"

#include "params/editor/ArmingModeBox.h"

#include <QVBoxLayout>

PhonesPage::PhonesPage(QWidget* parent)
    : EditorPage(parent)
{
    auto* layout = new QVBoxLayout(this);
    armingMode = new ArmingModeBox(this);
    layout->addWidget(armingMode);
    layout->addStretch(1);
}

void PhonesPage::load(const params::ParameterImage& image)
{
    armingMode->load(image);
}

void PhonesPage::store(params::ParameterImage& image) const
{
    armingMode->store(image);
}
