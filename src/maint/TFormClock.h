#pragma once

#include <QDialog>

class DeviceLink;

// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormClock : public QDialog
{
    Q_OBJECT
public:
    explicit TFormClock(DeviceLink& link, QWidget* parent = nullptr);

    void btCloseClick();
};
