// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

// The application object. It reports the first error that a handler raised, once control is
// back in the event loop: the user is told which error it was, and the program ends with exit
// code 1.
class ResistorApplication : public QApplication
{
    Q_OBJECT

public:
    ResistorApplication(int& argc, char** argv);

private:
    void reportAndEnd(const QString& errorName);
};
