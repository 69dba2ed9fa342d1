#include "pictures.h"

#include "artwork.h"

namespace pictures {

QPixmap pixmap(const char* path1x, const char* path2x, qreal devicePixelRatio)
{
    const bool high = devicePixelRatio >= 2;
    QImage image = artwork::load(high ? path2x : path1x);
    image.setDevicePixelRatio(high ? 2 : 1);
    return QPixmap::fromImage(image);
}

QIcon windowIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(artwork::load(artwork::icon)));
    QImage sharp = artwork::load(artwork::icon2x);
    sharp.setDevicePixelRatio(2);
    icon.addPixmap(QPixmap::fromImage(sharp));
    return icon;
}

} // namespace pictures
