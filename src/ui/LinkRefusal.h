#pragma once

#include <QString>

#include <functional>
#include <optional>

class DeviceLink;
class Transaction;

// Where a refusal's "Egy másik művelet folyamatban van." goes: a window's
// status line, say. Without one it is said in a message box.
using SayBusy = std::function<void(const QString&)>;

// Whether a window's exchange with the module must be refused now: the port
// is closed (said in a message box, " Nincs soros kapcsolat.") or another
// window's exchange holds the link. Nothing else changes when it refuses, so
// the buttons stay as the running exchange set them.
bool refusedToStart(const DeviceLink& link, const SayBusy& sayBusy = {});

// True, after saying so, while another window's exchange holds the link.
bool refusedWhileBusy(const DeviceLink& link, const SayBusy& sayBusy = {});

// The link for an exchange, or nothing after saying that another window's
// exchange holds it (it may have been taken while a question was open).
std::optional<Transaction> takeLinkOrSayBusy(DeviceLink& link, const SayBusy& sayBusy = {});
