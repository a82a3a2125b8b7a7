#pragma once

#include "EventMemory.h"

#include <QDateTime>

// A week of plausible past events, oldest first, ending the day before `now`:
// users arming and disarming, daily test reports, two alarms with their
// restores, a mains fault, a weak GSM signal and the installer's visit.
void logHistory(EventMemory& memory, const QDateTime& now);
