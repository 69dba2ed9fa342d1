// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The fonts the program carries: Liberation Sans regular and bold, which have the metrics of
// Arial, the face the window's design names, and the Cyrillic letters.
namespace fonts
{

// The family of the built-in fonts, registered with the application on first use. Needs the
// application object.
QString family();

} // namespace fonts
