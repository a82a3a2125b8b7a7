#include "ui/LinkRefusal.h"

#include "link/DeviceLink.h"
#include "link/LinkTexts.h"
#include "ui/Prompter.h"

namespace {

void sayBusyWith(const SayBusy& sayBusy)
{
    if (sayBusy)
        sayBusy(text::otherTransactionRunning);
    else
        prompter().message(text::otherTransactionRunning);
}

} // namespace

bool refusedToStart(const DeviceLink& link, const SayBusy& sayBusy)
{
    if (!link.isOpen()) {
        prompter().message(text::noSerialLink);
        return true;
    }
    return refusedWhileBusy(link, sayBusy);
}

bool refusedWhileBusy(const DeviceLink& link, const SayBusy& sayBusy)
{
    if (!link.transactionRunning())
        return false;
    sayBusyWith(sayBusy);
    return true;
}

std::optional<Transaction> takeLinkOrSayBusy(DeviceLink& link, const SayBusy& sayBusy)
{
    std::optional<Transaction> transaction = link.beginTransaction();
    if (!transaction)
        sayBusyWith(sayBusy);
    return transaction;
}
