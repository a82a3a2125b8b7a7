#pragma once

#include "FaultSwitches.h"

#include "link/BlockFrame.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

// Block frames as the module sends and checks them.

// The reply to a block read: "RDFL" and the frame of `data` at `address` in
// hex, checksum least significant byte first. The wrong-block and
// bad-checksum switches spoil the frame on purpose.
QByteArray blockReplyLine(BlockData data, std::uint16_t address, const FaultSwitches& faults);

// The frame of the line that follows "WRFL", when the line is exactly 540
// upper-case hex digits and carries its checksum most significant byte first.
std::optional<Frame> parseWriteFrame(QByteArrayView hexLine);
