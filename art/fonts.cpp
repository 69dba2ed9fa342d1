// SPDX-License-Identifier: MIT
#include "fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

namespace fonts
{

namespace
{

constexpr char kBuiltInFamily[] = "Liberation Sans";
constexpr char kFallbackFamily[] = "Arial";
constexpr const char* kFiles[] = {":/fonts/LiberationSans-Regular.ttf",
                                  ":/fonts/LiberationSans-Bold.ttf"};

// The bytes of a built-in font file where the program holds them. The fonts are stored
// uncompressed (art/CMakeLists.txt), so these are the pages mapped with the program itself:
// the font database and FreeType read them in place. Registering by the resource's path would
// copy the file on the heap, and copy it again for every face drawn with.
QByteArray builtInFontData(const char* path)
{
    const QResource resource(QString::fromLatin1(path));
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

} // namespace

QStringList families()
{
    return {QString::fromLatin1(kBuiltInFamily), QString::fromLatin1(kFallbackFamily)};
}

void registerBuiltIn()
{
    static const bool registered = [] {
        // Fill the font database first. Of two fonts registered from memory before that, Qt 6.4
        // lets a system font of the same family and style stand in for the second (Debian 12's
        // Liberation Sans Bold 1.07 instead of the built-in 2.1.5).
        QFontDatabase::families();
        for (const char* file : kFiles)
            QFontDatabase::addApplicationFontFromData(builtInFontData(file));
        return true;
    }();
    Q_UNUSED(registered);
}

} // namespace fonts
