#include "artwork.h"
#include "frm_general.h"
#include "pictures.h"
#include "resistor_application.h"

#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    ResistorApplication app(argc, argv);
    // The splash picture is decoded on another core while the main window is being built, so
    // that the splash window finds it ready; it is the rendering for the screen the windows
    // first appear on. The other pictures are left to their windows: decoding them meanwhile
    // would only compete with putting the splash window on the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const artwork::Preload splashPicture{pictures::pathFor(
        artwork::splash, artwork::splash2x, screen ? screen->devicePixelRatio() : 1)};
    FrmGeneral window;
    // Loading runs inside the event loop, so that an error in it is reported like any other.
    QTimer::singleShot(0, &window, &FrmGeneral::loadAndShow);
    return app.exec();
}
