#include "ui/LinkRefusal.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "ui/Prompter.h"

bool refusedToStart(const DeviceLink& link, const std::function<void(const QString&)>& sayBusy)
{
    if (!link.isOpen()) {
        prompter().message(text::noSerialLink);
        return true;
    }
    if (!link.transactionRunning())
        return false;
    if (sayBusy)
        sayBusy(text::otherTransactionRunning);
    else
        prompter().message(text::otherTransactionRunning);
    return true;
}
