// SPDX-License-Identifier: MIT
// Shading of a round body lit from the upper left, shared by the colour strip's cells and the
// resistor body in the background, so that the bands look painted onto the body.
#pragma once

#include <algorithm>
#include <cmath>

namespace shading
{

// Brightness profile across a body 54 px wide (outline columns 0 and 53), for a column
// position x in 1x pixels (fractional at higher resolutions): 0 at column 2 and beyond towards
// the edges, rising like the cosine of a cylinder's surface to 1 on columns 20..27, falling to
// 0 again at column 51.
inline double cylinder(double x)
{
    constexpr double pi = 3.14159265358979323846;
    constexpr double riseFrom = 2.0, peakFrom = 20.0, peakTo = 27.0, fallTo = 51.0;
    if (x <= riseFrom || x >= fallTo)
        return 0.0;
    if (x < peakFrom)
        return std::sin(pi / 2 * (x - riseFrom) / (peakFrom - riseFrom));
    if (x <= peakTo)
        return 1.0;
    return std::sin(pi / 2 * (fallTo - x) / (fallTo - peakTo));
}

// The gloss: a band of reflected light over columns 20..27 (from pixel edge 19.5 to 27.5, which
// falls on whole device pixels at 1x and 2x alike).
inline double gloss(double x)
{
    return x >= 19.5 && x <= 27.5 ? 1.0 : 0.0;
}

// How much of the brightest colour the gloss makes up; the rest is the body's diffuse shading.
inline constexpr double glossShare = 0.08;

// Channel value between `edge` (profile 0) and `centre` (profile 1, in the gloss); `sharpness`
// narrows the bright part of the body (1 = plain cylinder, larger = narrower).
inline double channel(double edge, double centre, double sharpness, double x)
{
    const double profile =
        (1 - glossShare) * std::pow(cylinder(x), sharpness) + glossShare * gloss(x);
    return edge + (centre - edge) * profile;
}

// The highlight along the top and bottom of a cell: the same colour, lighter.
inline double highlight(double v)
{
    return std::min(255.0, v * 1.2 + 10.0);
}

// The outermost interior columns, next to the black outline, are the darkest.
inline double rim(double v)
{
    return v * 0.75;
}

inline int toByte(double v)
{
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}

} // namespace shading
