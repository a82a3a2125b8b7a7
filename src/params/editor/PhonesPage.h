#pragma once

#include "params/editor/EditorPage.h"

class ArmingModeBox;

// The page "Telefonszámok & egyéb paraméterek": telephone numbers, account and
// acknowledgement at the left; sirens, test report, arming mode and limits at
// the right.
class PhonesPage : public EditorPage
{
    Q_OBJECT
public:
    explicit PhonesPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;

    ArmingModeBox* armingMode = nullptr;
};
