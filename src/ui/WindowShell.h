#pragma once

#include <QWidget>

#include <functional>

// The "Ablak bezárása" button of a window whose content is still to come.
void addCloseButton(QWidget& window, std::function<void()> onClick);

// Moves a top-level window to the middle of its screen's free area.
void centreOnScreen(QWidget& window);
