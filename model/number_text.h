// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The one way numbers become text in the window, and back. Both are independent of the
// process locale.

// A non-negative number gets one leading blank in place of the sign; the decimal point is
// "."; an integral value has no point; a value between 0 and 1 has no zero before the point.
// The value is rounded to 15 significant digits and trailing zeros are dropped. Magnitudes
// from 1e-6 up to below 1e15 are written in plain digits, others as 1E+15 or 1.5E-07.
// A non-finite value is a floating-point error.
std::string numberToText(double value);

// Reads a number from the start of the text, ignoring blanks, tabs and line feeds wherever
// they stand: an optional sign, digits with an optional point, an optional exponent (E or
// D). Reading stops at the first character that does not fit; no number at all reads as 0.
// A magnitude beyond the double range is an overflow error; one too small for it reads as 0.
double textToNumber(std::string_view text);
