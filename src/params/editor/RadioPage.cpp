#include "params/editor/RadioPage.h"

RadioPage::RadioPage(QWidget* parent)
    : EditorPage(parent)
{
}

void RadioPage::load(const params::ParameterImage& image)
{
    Q_UNUSED(image);
}

void RadioPage::store(params::ParameterImage& image) const
{
    Q_UNUSED(image);
}
