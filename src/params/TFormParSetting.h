#pragma once

#include "params/ParameterImage.h"
#include <QDialog>


// The window's content is built by its own work; until then it opens with its
// caption and closes with its button.
class TFormParSetting : public QDialog
{
    Q_OBJECT
public:
    explicit TFormParSetting(params::ParameterImage& image, QWidget* parent = nullptr);

    void btCloseClick();
};
