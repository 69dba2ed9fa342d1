// SPDX-License-Identifier: MIT
#include "display_check.h"
#include "frm_general.h"
#include "handler_guard.h"
#include "resistor_application.h"

#include <QTimer>

#include <memory>

int main(int argc, char* argv[])
{
    DisplayCheck displayCheck;
    ResistorApplication app(argc, argv);
    displayCheck.passed();

    std::unique_ptr<FrmGeneral> window;
    // Creating and loading the main window run inside the event loop and the handler guard, so
    // that an error in them is reported like any other.
    QTimer::singleShot(0, &app, HandlerGuard::guarded([&window] {
                           window = std::make_unique<FrmGeneral>();
                           window->loadAndShow();
                       }));
    return app.exec();
}
