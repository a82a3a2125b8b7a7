#pragma once

#include <QWidget>

class DeviceLink;

// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormFirmware : public QWidget
{
    Q_OBJECT
public:
    explicit TFormFirmware(DeviceLink& link, QWidget* parent = nullptr);

    void btCloseClick();
};
