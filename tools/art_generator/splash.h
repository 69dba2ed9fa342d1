// SPDX-License-Identifier: MIT
// The splash picture: the product name over a coloured-pencil cartoon of two resistors in a
// scuffle.
#pragma once

#include <QFont>
#include <QImage>

// The lettering on the picture.
inline const char* const productName = "Резистор";
inline const char* const platformLine = "для Linux, Windows и macOS";

QImage renderSplash(int scale, const QFont& font);
