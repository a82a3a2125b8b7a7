#pragma once

#include <QWidget>

#include <functional>

// The "Ablak bezárása" button of a window whose content is still to come.
void addCloseButton(QWidget& window, std::function<void()> onClick);
