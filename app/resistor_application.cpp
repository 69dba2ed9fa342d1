// SPDX-License-Identifier: MIT
#include "resistor_application.h"

#include "handler_guard.h"

#include <QMessageBox>

namespace
{
const char kErrorTitle[] = "Ошибка выполнения";
}

ResistorApplication::ResistorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setDesktopFileName(QStringLiteral(RESISTOR_APP_ID));
    HandlerGuard::setErrorSink([this](const QString& errorName) { reportAndEnd(errorName); });
}

void ResistorApplication::reportAndEnd(const QString& errorName)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kErrorTitle), errorName + '.',
                    QMessageBox::Ok);
    box.setObjectName(QStringLiteral("RunTimeErrorBox"));
    box.exec();
    // Leaves every running event loop, the splash window's included.
    exit(HandlerGuard::kErrorExitCode);
}
