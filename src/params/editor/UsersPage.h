#pragma once

#include "params/editor/EditorPage.h"

// The page "Felhasználók": twelve user rows with names, codes and rights, and the installer code.
class UsersPage : public EditorPage
{
    Q_OBJECT
public:
    explicit UsersPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
};
