#pragma once

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

// Turns the mouse wheel by `notches` (positive away from the person) with the
// pointer at `at` in `widget`, as the window system does: the event goes to
// the window, which hands it to the widget under the pointer, and a widget
// that ignores it passes it on to its parents. The widget's window must be
// shown.
inline void wheelNotches(QWidget* widget, QPoint at, int notches)
{
    constexpr int kNotch = 120;
    QWidget* window = widget->window();
    QWheelEvent event(widget->mapTo(window, QPointF(at)), widget->mapToGlobal(QPointF(at)), QPoint(),
                      QPoint(0, kNotch * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // Only events from the window system travel on to the parents.
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(window->windowHandle(), &event);
}
