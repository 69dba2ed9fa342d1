#include "frm_general.h"
#include "resistor_application.h"

#include <QTimer>

int main(int argc, char* argv[])
{
    ResistorApplication app(argc, argv);
    FrmGeneral window;
    // Loading runs inside the event loop, so that an error in it is reported like any other.
    QTimer::singleShot(0, &window, &FrmGeneral::loadAndShow);
    return app.exec();
}
