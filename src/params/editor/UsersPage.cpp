#include "params/editor/UsersPage.h"

UsersPage::UsersPage(QWidget* parent)
    : EditorPage(parent)
{
}

void UsersPage::load(const params::ParameterImage& image)
{
    Q_UNUSED(image);
}

void UsersPage::store(params::ParameterImage& image) const
{
    Q_UNUSED(image);
}
