// SPDX-License-Identifier: MIT
// Built-in pictures of the program: their resource paths and pixel sizes.
//
// Every picture also exists at twice the resolution under the same name with "@2x" before the
// extension; QIcon picks those up by itself, and loading the "@2x" path by name gives an image
// with device pixel ratio 2.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace artwork
{

inline constexpr char background[] = ":/art/background.png";
inline constexpr char strip[] = ":/art/strip.png";
inline constexpr char icon[] = ":/art/icon.png";
inline constexpr char splash[] = ":/art/splash.png";

inline constexpr char background2x[] = ":/art/background@2x.png";
inline constexpr char strip2x[] = ":/art/strip@2x.png";
inline constexpr char icon2x[] = ":/art/icon@2x.png";
inline constexpr char splash2x[] = ":/art/splash@2x.png";

// Sizes at 1x, in pixels.
inline constexpr QSize backgroundSize{507, 315};
inline constexpr QSize stripSize{54, 156};
inline constexpr QSize iconSize{32, 32};
inline constexpr QSize splashSize{273, 310};

// The colour strip: twelve cells, one per colour code, code 11 at the top and code 0 at the
// bottom. Each cell has a 1-px black outline around a shaded 52 x 11 interior.
inline constexpr int stripCellCount = 12;
inline constexpr int stripCellHeight = 13;

// Row of the strip where the cell of colour code `code` (0..11) begins.
constexpr int stripCellTop(int code)
{
    return (stripCellCount - 1 - code) * stripCellHeight;
}

// The resistor body painted in the background, outline included: its black outline columns
// are the left and right columns of this rectangle, and the strip's black side columns land
// on them.
inline constexpr QRect resistorBody{QPoint{33, 89}, QPoint{86, 189}};

// Loads a built-in picture by one of the paths above. The format is fixed to PNG so that no
// other image plugin gets loaded. Returns a null image if the path is unknown.
QImage load(const char* path);

} // namespace artwork
