#pragma once

#include "params/ParameterImage.h"
#include <QWidget>

class DeviceLink;
class TFormParSetting;

// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormDownload : public QWidget
{
    Q_OBJECT
public:
    explicit TFormDownload(DeviceLink& link, params::ParameterImage& image, TFormParSetting& editor, QWidget* parent = nullptr);

    void btCloseClick();
};
