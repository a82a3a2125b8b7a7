#include "ui/ModalLoop.h"

#include <QDialog>
#include <QSet>

namespace {

QSet<const QDialog*>& runningLoops()
{
    static QSet<const QDialog*> loops;
    return loops;
}

} // namespace

bool modalLoopRunning(const QDialog& dialog)
{
    return runningLoops().contains(&dialog);
}

std::optional<int> execModal(QDialog& dialog)
{
    if (modalLoopRunning(dialog))
        return std::nullopt;
    const QDialog* const key = &dialog;
    runningLoops().insert(key);
    const int result = dialog.exec();
    // By its address: a dialog deleted during its loop must not stay marked.
    runningLoops().remove(key);
    return result;
}
