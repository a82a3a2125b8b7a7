#pragma once

#include "params/ImageLayout.h"
#include "params/ParameterImage.h"

#include <QString>

// Test helpers that treat every field of the layout alike, whatever its
// encoding: what an editor would show for it, and a load followed by a store.

// The value shown for one field record as text: cells and list indexes joined
// by ",", flags as a string of 0 and 1 (index 0 first).
QString describeField(const params::ParameterImage& image, params::Field field, int record);

// Reads one field record of `from` and writes the value into `to`.
void storeBackField(const params::ParameterImage& from, params::ParameterImage& to, params::Field field, int record);

// `image` after every field of every record was loaded and stored back.
params::ParameterImage storedBack(const params::ParameterImage& image);

// An image of reproducible pseudo-random bytes.
params::ParameterImage noiseImage(unsigned seed);
