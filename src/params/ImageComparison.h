#pragma once

#include "link/BlockFrame.h"
#include "params/ParameterImage.h"

namespace params {

// Whether the module's copy of block `block` (0 to 7) equals the image's.
// The bytes of the user codes and the installer code are left out: the
// module's copies of the codes are not compared.
bool blockMatchesImage(const ParameterImage& image, int block, BlockData moduleData);

} // namespace params
