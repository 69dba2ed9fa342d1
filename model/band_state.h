// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// The state the main window keeps about the four bands and the display unit. The field
// names are the window's own: LineColor(n) is the colour code of band n, CurLine the band
// being edited, LimitDivisor the display unit as a divisor of ohms.
struct BandState {
    // Elements 1..4 are the bands; element 0 exists but is never read or written.
    std::array<std::int16_t, 5> LineColor{};
    std::int16_t CurLine = 0;
    std::int32_t LimitDivisor = 0;

    // Blue, red, green, gold (62 × 100 000 Ω), band 1 selected, shown in kilo-ohms.
    void setInitial();

    // Select band: CurLine = band. The band comes from a band picture's index; no check here.
    void selectBand(std::int16_t band);

    // Set colour: LineColor(CurLine) = code. CurLine outside 0..4 is a subscript-out-of-range
    // error, and then nothing is stored.
    void setColour(std::int16_t code);

    // Set unit: LimitDivisor = 10 ^ index, in double precision rounded to the nearest 32-bit
    // integer. A power that does not fit is an overflow error, and then nothing is stored.
    void setUnit(std::int16_t index);

    // LineColor(CurLine), with the same bounds test as setColour.
    std::int16_t currentColour() const;
};

// Display units: the index of the unit button is the unit's power of ten.
struct DisplayUnit {
    std::int16_t index;
    std::int32_t divisor;
    const char* caption; // Latin letters, as the unit button shows it
};
inline constexpr std::array<DisplayUnit, 3> kDisplayUnits = {{
    {0, 1, "Om"},
    {3, 1000, "kOm"},
    {6, 1000000, "mOm"},
}};
