#pragma once

namespace cli {

// What the tool's exit status tells a script.
enum ExitCode : int {
    kSuccess = 0,   // done; for compare: the image equals the module
    kDifferent = 1, // compare found a difference
    kFailure = 2,   // usage, port, login, answer, version, block or file failure
};

} // namespace cli
