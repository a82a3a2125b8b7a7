#pragma once

#include "params/editor/EditorPage.h"

// The page "Relé kimenetek": the relays' event masks (60 rows), delays and maximum times.
class RelaysPage : public EditorPage
{
    Q_OBJECT
public:
    explicit RelaysPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;
};
