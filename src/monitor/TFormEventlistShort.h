#pragma once

#include <QWidget>

class DeviceLink;

// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormEventlistShort : public QWidget
{
    Q_OBJECT
public:
    explicit TFormEventlistShort(DeviceLink& link, QWidget* parent = nullptr);

    void btCloseClick();
};
