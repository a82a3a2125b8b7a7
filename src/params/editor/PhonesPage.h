#pragma once

#include "params/ImageLayout.h"
#include "params/editor/EditorPage.h"
#include "params/editor/TextBox.h"

#include <array>

class ArmingModeBox;
class DigitGrid;
class NumberBox;
class QComboBox;
class QLabel;

// One siren output: its mode list, start delay and maximum duration.
class SirenOutput : public QWidget
{
    Q_OBJECT
public:
    SirenOutput(int output, QWidget* parent = nullptr);

    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    QLabel* lbtOUT = nullptr;
    QComboBox* cbOUTmode = nullptr;
    NumberBox* UdOUTdelay = nullptr;
    NumberBox* UdOUTtime = nullptr;

private:
    int m_output;
};

// The page "Telefonszámok & egyéb paraméterek": telephone numbers, account and
// acknowledgement at the left; sirens, test report, arming mode and limits at
// the right.
class PhonesPage : public EditorPage
{
    Q_OBJECT
public:
    // The mask's stand-in for a position not typed.
    static constexpr char16_t kMaskBlank = u'_';

    explicit PhonesPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;

    // Left half.
    std::array<DigitGrid*, params::kPhones> acgTel{};             // acgTel1 at 0
    std::array<QComboBox*, params::kPhones> cbACK{};              // cbACK1 at 0
    std::array<DigitGrid*, params::kCentrePhones> acgTelCentr{};  // acgTelCentr1 at 0
    DigitGrid* acgUserAccount = nullptr;
    DigitGrid* acgSMSFW = nullptr;

    // Right half.
    std::array<SirenOutput*, params::kSirenOutputs> sirens{};     // OUT 1 at 0
    TextBox* meTesztIdopont = nullptr;
    NumberBox* udTesztGyak = nullptr;
    ArmingModeBox* armingMode = nullptr;
    NumberBox* UdAlarmMax = nullptr;
    NumberBox* UdZoneAlarmMax = nullptr;
    NumberBox* UdAutoArm = nullptr;

private:
    QWidget* buildNumbers();
    QWidget* buildOtherSettings();
};
