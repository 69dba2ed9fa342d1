// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Creating the application object connects to the display. Without one, Qt gives up with
// English advice to reinstall and aborts (a core dump, exit code 134). While a DisplayCheck
// exists, that end becomes one line saying there is no display to show the window on, with
// the platform's own reason if it is short, and exit code 1. The platform's other messages are
// held back meanwhile and passed on by passed().
class DisplayCheck
{
public:
    static constexpr int kExitCode = 1;

    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The application object is there: restores the previous message handler and passes on
    // what was held back.
    void passed();

    // The line written when the platform cannot start.
    static QString noDisplayLine(const QStringList& platformMessages);
};
