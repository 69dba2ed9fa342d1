// SPDX-License-Identifier: MIT
#include "artwork.h"

#include <QImageReader>

namespace artwork
{

QImage load(const char* path)
{
    QImageReader reader(QString::fromLatin1(path), "png");
    // With detection on, the reader loads every image plugin to ask whether it reads PNG,
    // even though the format is given; the built-in PNG reader needs none of them.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace artwork
