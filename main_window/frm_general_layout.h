// SPDX-License-Identifier: MIT
#pragma once

#include "band_state.h"
#include "twips.h"

#include <array>

// The design of the main window, in twips. Positions are relative to the client area of the
// control's container (inside the border of Picture1).
namespace FrmGeneralLayout
{

inline constexpr int kClientWidth = 7575;  // 505 px
inline constexpr int kClientHeight = 4110; // 274 px

// Unit buttons along the top, one per display unit, each with its left edge and the Russian word
// for its unit, which assistive technology reads after the caption; the exit button below the
// last one.
struct UnitButton {
    const DisplayUnit& unit;
    int left;
    const char* spokenUnit;
};
inline constexpr std::array<UnitButton, 3> kBtnLimit = {{
    {kDisplayUnits[0], 3600, "Омы"},
    {kDisplayUnits[1], 4920, "Килоомы"},
    {kDisplayUnits[2], 6240, "Мегаомы"},
}};
inline constexpr int kButtonTop = 180;
inline constexpr int kButtonWidth = 1275;
inline constexpr int kButtonHeight = 495;
inline constexpr TwipRect kBtnExit{6240, 3420, kButtonWidth, kButtonHeight};

// The colour panel and what it holds.
inline constexpr TwipRect kPicture1{1620, 180, 1875, 3735};
inline constexpr int kPicture1BorderPixels = 2; // a sunken 3-D border, inside which children sit
inline constexpr TwipRect kLblLine{180, 180, 1400, 315};
inline constexpr int kSwcColorLeft = 180;
inline constexpr int kSwcColorWidth = 1400;
inline constexpr int kSwcColorHeight = 195;
// Tops by colour code: 240 twips apart, with 300 before silver and gold.
inline constexpr std::array<int, 12> kSwcColorTops = {600,  840,  1080, 1320, 1560, 1800,
                                                      2040, 2280, 2520, 2760, 3060, 3300};

// Band frames across the resistor body, indexed by band (element 0 unused); each holds a band
// picture exactly as wide as the strip, one pixel narrower than the frame.
inline constexpr int kPicLineLeft = 490;
inline constexpr int kPicLineWidth = 825;
inline constexpr int kPicLineHeight = 195; // one cell of the colour strip
inline constexpr std::array<int, 5> kPicLineTops = {0, 1440, 1680, 1920, 2280};
inline constexpr int kPicLineColorWidth = 810;
inline constexpr int kPicLineColorHeight = 2340;

// Value labels.
inline constexpr TwipRect kLblResistor{3840, 1320, 3375, 615};
inline constexpr TwipRect kLblLimit{3840, 2160, 3375, 495};

} // namespace FrmGeneralLayout
