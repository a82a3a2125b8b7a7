#pragma once

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing settings unseen. A wheel over a spin
// box, a drop-down list or a slider changes its value only when that control
// has the keyboard focus; over any other such control the wheel goes on to
// the enclosing scroll area, which scrolls the page, and nothing changes.
// Those controls are also not given the focus by the wheel, so scrolling a
// page never makes one of them the wheel's target.
//
// Installed once on the application, it covers every window and every
// control, including those created after it: no window has to remember it.
class WheelGuard : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The control under `widget` whose value a wheel step would change: the
    // widget itself or the spin box or list it is part of (the edit line of
    // a spin box); nullptr when the wheel changes no value there.
    static QWidget* valueControl(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one guard on the running application (a second call does nothing).
void installWheelGuard();
