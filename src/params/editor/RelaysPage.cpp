#include "params/editor/RelaysPage.h"

RelaysPage::RelaysPage(QWidget* parent)
    : EditorPage(parent)
{
}

void RelaysPage::load(const params::ParameterImage& image)
{
    Q_UNUSED(image);
}

void RelaysPage::store(params::ParameterImage& image) const
{
    Q_UNUSED(image);
}
