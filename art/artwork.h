// SPDX-License-Identifier: MIT
// Built-in pictures of the program: their resource paths and pixel sizes.
//
// Every picture also exists at twice the resolution under the same name with "@2x" before the
// extension; QIcon picks those up by itself, and loading the "@2x" path by name gives an image
// with device pixel ratio 2.
#pragma once

#include <array>

#include <QImage>
#include <QRect>
#include <QRgb>
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

// What each cell of the strip looks like, by colour code: the colour of its brightest column
// (column 26 of the middle row), of its shaded flank (column 2) and its average over the whole
// interior. The art generator draws the cells from these; the artwork test reads them back.
struct StripCellColours {
    QRgb centre;
    QRgb edge;
    QRgb mean;
};
inline constexpr std::array<StripCellColours, stripCellCount> stripCellColours{{
    {0x3B3B3B, 0x131313, 0x2A2A2A}, // 0 black
    {0x6C3C3C, 0x441414, 0x5B2929}, // 1 brown
    {0xFC0000, 0x790B0B, 0xC90505}, // 2 red
    {0xFC9C0C, 0xA61313, 0xDE6F0F}, // 3 orange
    {0xFCFC0C, 0xD2A736, 0xEEDE21}, // 4 yellow
    {0x6CFC3C, 0x40A410, 0x60DD2A}, // 5 green
    {0x0CFCFC, 0x374EA5, 0x20B5DD}, // 6 blue
    {0xCC6CCC, 0xA1174B, 0xC74B9D}, // 7 violet
    {0x9C9C9C, 0x171717, 0x656565}, // 8 grey
    {0xFCFCFC, 0xA4A4A4, 0xDEDEDE}, // 9 white
    {0xC4C4C4, 0x4B4B4B, 0x989898}, // 10 silver
    {0xFCFC0C, 0xD5790D, 0xEDC70C}, // 11 gold
}};

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
