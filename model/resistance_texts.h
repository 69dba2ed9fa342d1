// SPDX-License-Identifier: MIT
#pragma once

#include "band_state.h"

#include <string>

// The two texts the window shows for a band state: the value in the chosen unit (for the big
// value label) and the unit followed by the tolerance (for the label below it).
struct ResistanceTexts {
    std::string value;            // e.g. " 6200", "0.047"
    std::string unitAndTolerance; // e.g. "kOm ±5%"
};

// Computes both texts from LineColor(1..4) and LimitDivisor. Codes are not checked: every
// code is computed by the same rules. A value that is not a finite number (an invalid
// operation, a division by zero or an overflow) is a floating-point error.
ResistanceTexts resistanceTexts(const BandState& state);
