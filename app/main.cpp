#include "artwork.h"
#include "frm_general.h"
#include "pictures.h"
#include "resistor_application.h"

#include <QScreen>
#include <QTimer>

int main(int argc, char* argv[])
{
    ResistorApplication app(argc, argv);
    // The pictures are decoded on another core, the splash picture first, so that the splash
    // window is not held up by them; a window that asks for one before its turn decodes it
    // itself. The renderings are those for the screen the windows first appear on.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal density = screen ? screen->devicePixelRatio() : 1;
    const artwork::Preload preloaded{
        pictures::pathFor(artwork::splash, artwork::splash2x, density),
        pictures::pathFor(artwork::background, artwork::background2x, density),
        pictures::pathFor(artwork::strip, artwork::strip2x, density),
    };
    FrmGeneral window;
    // Loading runs inside the event loop, so that an error in it is reported like any other.
    QTimer::singleShot(0, &window, &FrmGeneral::loadAndShow);
    return app.exec();
}
