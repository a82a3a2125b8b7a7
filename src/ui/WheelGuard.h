#pragma once

#include <QObject>

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one guard on the running application (a second call does nothing).
void installWheelGuard();
