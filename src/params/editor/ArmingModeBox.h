#pragma once

#include "params/ParameterImage.h"

#include <QWidget>

class NumberBox;
class QLabel;
class QPushButton;
class TFormOnOffMode;

// "Élesítés és kikapcsolás módja az A és B bemeneteken :" with its number
// (byte 1791), which only the arming mode dialog may change: the number box is
// disabled, and the button "Módosítás" lies where its up-down would be.
class ArmingModeBox : public QWidget
{
    Q_OBJECT
public:
    explicit ArmingModeBox(QWidget* parent = nullptr);

    void setDialog(TFormOnOffMode& dialog);
    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

    // Opens the dialog on the current number; "Bezárás" brings the choice back.
    void btOnOffModeClick();

    QLabel* lbTOnOffAB = nullptr;
    // edOnOffMode with its up-down udOnOffMode, 0..3; the position is its value.
    NumberBox* edOnOffMode = nullptr;
    QPushButton* btOnOffMode = nullptr;

private:
    TFormOnOffMode* m_dialog = nullptr;
};
