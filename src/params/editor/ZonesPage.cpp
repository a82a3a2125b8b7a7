#include "params/editor/ZonesPage.h"

ZonesPage::ZonesPage(QWidget* parent)
    : EditorPage(parent)
{
}

void ZonesPage::load(const params::ParameterImage& image)
{
    Q_UNUSED(image);
}

void ZonesPage::store(params::ParameterImage& image) const
{
    Q_UNUSED(image);
}
