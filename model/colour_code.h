// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The twelve marking colours. A colour code (0..11) is at once the index of the colour's
// option button and the place of the colour's cell in a band's colour strip.

inline constexpr int kColourCount = 12;
inline constexpr int kBandCount = 4;     // bands 1..4
inline constexpr int kToleranceBand = 4; // bands 1, 2 are digits, band 3 the multiplier

// Codes of the two tolerance-only colours.
inline constexpr int kSilver = 10; // ±10 %
inline constexpr int kGold = 11;   // ±5 %

struct ColourCode {
    const char* name;     // Russian, UTF-8, as the colour button shows it
    bool digitColour;     // offered to the digit bands 1, 2 and the multiplier band 3
    bool toleranceColour; // offered to the tolerance band 4
};

// The colour with the given code; a code outside 0..11 is a subscript-out-of-range error.
const ColourCode& colourCode(int code);

// Whether the colour button of `code` is enabled while `band` is selected: the tolerance
// band takes silver and gold only, every other band the ten digit colours.
bool isOfferedForBand(int code, int band);

// Where a band picture's strip stands for `code`, in cells (frame heights) from the frame's
// top: the cell of code c lies 11 - c cells down the strip, so the strip stands at c - 11.
// The subtraction is checked 16-bit arithmetic: a result below -32768 is an overflow error.
std::int16_t stripTopInCells(std::int16_t code);
