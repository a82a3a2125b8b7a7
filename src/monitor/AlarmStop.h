#pragma once

#include "link/BlockTransfer.h"
#include "link/LinkTexts.h"

#include <QString>

// Texts of stopping the module's alarm events, shared by the main window and
// the status window.
namespace text {

inline const QString alarmStopQuestion = QStringLiteral("Biztosan le kívánja állítani a riasztási eseményeket ?");
inline const QString alarmsStopping = QStringLiteral("Riasztások leállítása...");
inline const QString alarmsStopped = QStringLiteral("Riasztási események leállítva!");
inline const QString alarmStopNoAnswer = QStringLiteral("A modul nem válaszol!");

// What the installer is told of the module's verdict on the stop command;
// without an answer, a port that is no longer open is the reason.
inline QString alarmStopVerdict(CodeVerdict verdict, bool portOpen)
{
    switch (verdict) {
    case CodeVerdict::Accepted: return alarmsStopped;
    case CodeVerdict::Rejected: return wrongInstallerCode;
    case CodeVerdict::NoAnswer: return portOpen ? alarmStopNoAnswer : noSerialLink;
    }
    return alarmStopNoAnswer;
}

} // namespace text
