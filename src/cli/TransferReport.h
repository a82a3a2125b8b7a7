#pragma once

#include "cli/ExitCode.h"
#include "params/ParameterTransfer.h"

#include <QTextStream>

namespace cli {

// Prints the progress of a parameter transfer on `err`, one line per block
// (numbered 1 to 8 as the transfer window's panels) and the texts of a
// failed login, a data version mismatch or unread version block and a failed
// activation.
void reportTransfer(params::ParameterTransfer& transfer, params::TransferKind kind, QTextStream& err);

// The tool's exit status for how a transfer ended.
int exitCodeFor(params::TransferOutcome outcome);

} // namespace cli
