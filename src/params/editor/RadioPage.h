#pragma once

#include "params/editor/EditorPage.h"

// The page "Rádiós eszközök beállításai": the four remote-control button functions of each user.
class RadioPage : public EditorPage
{
    Q_OBJECT
public:
    explicit RadioPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
};
