#pragma once

#include <optional>

// Misbehaviour the simulated module can be told to show. Each switch may be
// flipped at any time; it applies from the next received line on.
struct FaultSwitches
{
    bool silent = false;      // neither answers nor acts on anything
    bool refuseCode = false;  // answers every code check with a refusal
    bool wrongBlock = false;  // block frames carry the low address byte + 1
    bool badChecksum = false; // block frames carry a checksum that does not match
    // Parameter block (0-7) whose reads are never answered.
    std::optional<int> dropReadBlock;
    // Parameter block (0-7) whose writes are neither taken nor answered.
    std::optional<int> nakWriteBlock;
    bool noActivation = false; // "WRACT" neither takes effect nor is answered
    // Offset (0-2047) of a bad cell of the parameter memory: an activation
    // stores the written byte there with its lowest bit flipped, and the
    // module confirms it all the same.
    std::optional<int> corruptByte;
    // Firmware frame (0-511, at block address 33 + N) never taken nor answered.
    std::optional<int> nakFirmwareFrame;
    // Firmware frame (0-511) whose first write is neither taken nor answered;
    // it is taken when it comes again.
    std::optional<int> nakFirmwareOnce;
    bool refuseFirmware = false; // the firmware check is never confirmed
};
