// SPDX-License-Identifier: MIT
// Draws every built-in picture of the program and writes them into a folder:
//
//   art_generator OUTPUT_DIR [--sheet FILE] [--font FILE]
//
// OUTPUT_DIR receives background, strip, icon and splash as PNG at 1x and 2x, the icon at the
// sizes of the desktop's hicolor theme (hicolor/SIZExSIZE/apps/resistor.png) and the Windows
// icon file resistor.ico. --sheet also writes a contact sheet of all pictures. --font names the
// Liberation Sans Bold file used for all lettering (default: where Debian's fonts-liberation
// puts it); the generator refuses to run without it, so that the lettering never silently comes
// from another font.
#include "background.h"
#include "contact_sheet.h"
#include "ico_writer.h"
#include "icon.h"
#include "splash.h"
#include "strip.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>
#include <QSysInfo>
#include <cstdio>
#include <cstdlib>

namespace
{

constexpr char defaultFont[] = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf";
constexpr int iconSizes[] = {16, 32, 48, 64, 128, 256};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "art_generator: %s\n", qPrintable(message));
    std::exit(1);
}

// Each picture says what drew it: glyph edges and anti-aliasing come out slightly differently
// from one Qt and FreeType to another, so the regeneration test compares exactly only with the
// pictures made on the same system.
void save(QImage image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.setText(QStringLiteral("Software"),
                  QStringLiteral("art_generator, Qt %1 on %2")
                      .arg(QString::fromLatin1(qVersion()), QSysInfo::prettyProductName()));
    if (image.isNull() || !image.save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
}

QFont loadFont(const QString& path)
{
    if (!QFile::exists(path))
        fail(QStringLiteral("font file %1 is missing (install fonts-liberation, or pass --font)")
                 .arg(path));
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        fail(QStringLiteral("cannot load font %1").arg(path));
    QFont font(families.first());
    font.setBold(true);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown; this lets the generator run without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outDir, sheetPath, fontPath = QString::fromLatin1(defaultFont);
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--sheet") && i + 1 < args.size())
            sheetPath = args[++i];
        else if (args[i] == QLatin1String("--font") && i + 1 < args.size())
            fontPath = args[++i];
        else if (outDir.isEmpty() && !args[i].startsWith(QLatin1Char('-')))
            outDir = args[i];
        else
            fail(QStringLiteral("usage: art_generator OUTPUT_DIR [--sheet FILE] [--font FILE]"));
    }
    if (outDir.isEmpty())
        fail(QStringLiteral("usage: art_generator OUTPUT_DIR [--sheet FILE] [--font FILE]"));

    const QFont font = loadFont(fontPath);
    const QDir out(outDir);

    Artwork art;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
        const QImage background = renderBackground(scale, font);
        const QImage strip = renderStrip(scale);
        const QImage splash = renderSplash(scale, font);
        const QImage icon = renderIcon(32 * scale);
        save(background, out.filePath(QStringLiteral("background%1.png").arg(suffix)));
        save(strip, out.filePath(QStringLiteral("strip%1.png").arg(suffix)));
        save(splash, out.filePath(QStringLiteral("splash%1.png").arg(suffix)));
        save(icon, out.filePath(QStringLiteral("icon%1.png").arg(suffix)));
        if (scale == 1) {
            art.background = background;
            art.strip = strip;
            art.splash = splash;
        } else {
            art.strip2x = strip;
        }
    }

    for (int size : iconSizes) {
        art.icons << renderIcon(size);
        save(art.icons.last(),
             out.filePath(QStringLiteral("hicolor/%1x%1/apps/resistor.png").arg(size)));
    }
    const QByteArray ico = icoFile(art.icons);
    QFile icoOut(out.filePath(QStringLiteral("resistor.ico")));
    if (ico.isEmpty() || !icoOut.open(QIODevice::WriteOnly) || icoOut.write(ico) != ico.size())
        fail(QStringLiteral("cannot write %1").arg(icoOut.fileName()));
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(icoOut.fileName())));

    if (!sheetPath.isEmpty())
        save(renderContactSheet(art, font), sheetPath);
    return 0;
}
