#pragma once

#include <QDialog>

class DeviceLink;

// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormRF : public QDialog
{
    Q_OBJECT
public:
    explicit TFormRF(DeviceLink& link, QWidget* parent = nullptr);

    void btCloseClick();
    // Shows the window modally; polls the radio devices while it is open.
    void openModal();
};
