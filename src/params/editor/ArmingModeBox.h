#pragma once

#include "params/ParameterImage.h"

#include <QWidget>

class TFormOnOffMode;

// "Élesítés és kikapcsolás módja az A és B bemeneteken :" with its number
// (byte 1791), which only the arming mode dialog may change.
class ArmingModeBox : public QWidget
{
    Q_OBJECT
public:
    explicit ArmingModeBox(QWidget* parent = nullptr);

    void setDialog(TFormOnOffMode& dialog);
    void load(const params::ParameterImage& image);
    void store(params::ParameterImage& image) const;

private:
    TFormOnOffMode* m_dialog = nullptr;
};
