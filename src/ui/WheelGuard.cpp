#include "ui/WheelGuard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

bool changesValueOnWheel(const QWidget* widget)
{
    // A scroll bar scrolls: that is what the wheel is for.
    return qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget)
        || (qobject_cast<const QAbstractSlider*>(widget) && !qobject_cast<const QScrollBar*>(widget));
}

// The control under `widget` whose value a wheel step would change: the
// widget itself or the spin box or list it is part of (the edit line of a
// spin box); nullptr when the wheel changes no value there.
QWidget* valueControl(QWidget* widget)
{
    // The edit line of a spin box or of an editable list is a child of the
    // control; anything further up is a container, not part of a control.
    for (int depth = 0; widget && depth < 2; ++depth, widget = widget->parentWidget()) {
        if (changesValueOnWheel(widget))
            return widget;
        if (widget->isWindow())
            break;
    }
    return nullptr;
}

} // namespace

bool WheelGuard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Polish:
        // Qt lets the wheel give these controls the focus, which would make
        // the next notch change them: only a click or Tab gives it now.
        if (auto* widget = qobject_cast<QWidget*>(watched);
            widget && changesValueOnWheel(widget) && widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        break;
    case QEvent::Wheel:
        if (QWidget* control = valueControl(qobject_cast<QWidget*>(watched)); control && !control->hasFocus()) {
            // Ignored, the wheel is offered to the parents in turn: the
            // scroll area holding the control scrolls its page.
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void installWheelGuard()
{
    // Owned by the application; the pointer clears itself with it.
    static QPointer<WheelGuard> guard;
    if (guard || !qApp)
        return;
    guard = new WheelGuard(qApp);
    qApp->installEventFilter(guard);
}
