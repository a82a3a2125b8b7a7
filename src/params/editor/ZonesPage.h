#pragma once

#include "params/editor/EditorPage.h"

// The page "Zónák": twelve zone rows, their flag columns and the night walk time.
class ZonesPage : public EditorPage
{
    Q_OBJECT
public:
    explicit ZonesPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
};
