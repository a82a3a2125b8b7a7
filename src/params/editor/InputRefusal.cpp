#include "params/editor/InputRefusal.h"

#include <QApplication>
#include <QStatusBar>
#include <QWidget>

namespace {
// Long enough to be read after a glance back from the clipboard's source.
constexpr int kShownMs = 10000;
} // namespace

void reportRefusedInput(QWidget& control, const QString& why)
{
    if (auto* bar = control.window()->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        bar->showMessage(why, kShownMs);
    else
        QApplication::beep();
}
