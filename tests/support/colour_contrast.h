// SPDX-License-Identifier: MIT
// Relative luminance and contrast ratio as the web's contrast guidelines (WCAG 2) define them,
// for the tests that check what a reader can make out.
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

// The sRGB transfer threshold is 0.04045 (WCAG 2.0 printed 0.03928, from an older draft of
// sRGB; no 8-bit value lies between the two, so both give the same luminance).
inline double relativeLuminance(QRgb c)
{
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

inline double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
