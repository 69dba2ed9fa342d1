// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

// Positions and sizes of the windows are designed in twips (1/1440 inch). Qt places widgets
// in device-independent pixels of 1/96 inch, so 15 twips make one pixel.
inline constexpr int kTwipsPerPixel = 15;

struct TwipRect {
    int left, top, width, height;
};

// Rounds to the nearest pixel, as a left of 490 twips (32.7 px) becomes 33 px.
constexpr int pixelsFromTwips(int twips)
{
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

constexpr QRect pixelRect(const TwipRect& r)
{
    return {pixelsFromTwips(r.left), pixelsFromTwips(r.top), pixelsFromTwips(r.width),
            pixelsFromTwips(r.height)};
}

constexpr QSize pixelSize(int widthTwips, int heightTwips)
{
    return {pixelsFromTwips(widthTwips), pixelsFromTwips(heightTwips)};
}
