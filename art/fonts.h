// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

// The fonts the program carries: Liberation Sans regular and bold, which have the metrics of
// Arial, the face the window's design names, and the Cyrillic letters.
namespace fonts
{

// The families a caption asks for: the built-in one, the name its font files give it, and Arial
// should the built-in fonts fail to register (Liberation Sans on Linux, Arial on Windows).
QStringList families();

// Registers the built-in fonts with the application; only the first call does anything. Text
// laid out before it is set in the system's fonts. Registering starts the system's font set-up
// (on Linux fontconfig reads its whole configuration), which is why a window that shows no
// text does not wait for it. Needs the application object.
void registerBuiltIn();

} // namespace fonts
