#pragma once

#include "ParameterMemory.h"

// Parameters of a plausibly set-up module, with Hungarian user and zone names
// and the installer code 1234; the memory the simulator starts from.
ParameterMemory demoParameterMemory();

namespace demo {
inline constexpr char16_t kInstallerCode[] = u"1234";
} // namespace demo
