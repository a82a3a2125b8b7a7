#pragma once

// Every conversion between image fields and the plain values an editor shows.
#include "params/ByteFields.h"
#include "params/DigitFields.h"
#include "params/FlagFields.h"
#include "params/TextFields.h"
