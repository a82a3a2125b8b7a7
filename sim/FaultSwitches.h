#pragma once

// Misbehaviour the simulated module can be told to show. Each switch may be
// flipped at any time; it applies from the next received line on.
struct FaultSwitches
{
    bool silent = false;      // neither answers nor acts on anything
    bool refuseCode = false;  // answers every code check with a refusal
    bool wrongBlock = false;  // block frames carry the low address byte + 1
    bool badChecksum = false; // block frames carry a checksum that does not match
};
