#include "artwork.h"

#include <QImageReader>

namespace artwork {

QImage load(const char* path)
{
    QImageReader reader(QString::fromLatin1(path), "png");
    return reader.read();
}

} // namespace artwork
