#pragma once

#include <QDialog>

class QPushButton;
class RadioGroup;

// "Élesítés / Kikapcsolás módja az A és B bemeneteken": the four ways the
// module arms and disarms through its A and B inputs, one to be chosen. It
// keeps nothing between openings: the opener sets the choice, and reads it
// back only when the dialog was closed with "Bezárás" (accepted); the close
// box rejects it.
class TFormOnOffMode : public QDialog
{
    Q_OBJECT
public:
    // The outer size, frame included.
    static constexpr int kWidth = 778;
    static constexpr int kHeight = 208;
    // The settings editor's small font.
    static constexpr int kFontPointSize = 8;

    explicit TFormOnOffMode(QWidget* parent = nullptr);

    void btCloseClick();

    RadioGroup* rgOnOffMode = nullptr;
    QPushButton* btClose = nullptr;
};
