#pragma once

#include <QDialog>


// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormOnOffMode : public QDialog
{
    Q_OBJECT
public:
    explicit TFormOnOffMode(QWidget* parent = nullptr);

    void btCloseClick();
};
