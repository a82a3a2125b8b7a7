#pragma once

#include <QString>

#include <functional>

class DeviceLink;

// Whether a window's exchange with the module must be refused now: the port
// is closed (said in a message box, " Nincs soros kapcsolat.") or another
// window's exchange holds the link ("Egy másik művelet folyamatban van.",
// said through `sayBusy`, or in a message box without one). Nothing else
// changes when it refuses, so the buttons stay as the running exchange set
// them.
bool refusedToStart(const DeviceLink& link, const std::function<void(const QString&)>& sayBusy = {});
