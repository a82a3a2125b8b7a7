#pragma once

// A Hayes modem in front of the module, as the program reaches it over a call.
struct ModemSettings
{
    bool enabled = false;
    bool silent = false;        // never answers anything, never connects
    bool ignoresHangUp = false; // never answers "ATH", in any mode
    int connectDelayMs = 1500;  // from the dial line to "CONNECT"
    int escapeGuardMs = 1000;   // silence needed before and after "+++"
};
