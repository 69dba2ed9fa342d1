#include "pictures.h"

#include "artwork.h"

#include <utility>

namespace pictures
{

const char* pathFor(const char* path1x, const char* path2x, qreal devicePixelRatio)
{
    return devicePixelRatio >= 2 ? path2x : path1x;
}

QPixmap pixmap(const char* path1x, const char* path2x, qreal devicePixelRatio)
{
    const char* path = pathFor(path1x, path2x, devicePixelRatio);
    QImage image = artwork::load(path);
    image.setDevicePixelRatio(path == path2x ? 2 : 1);
    return QPixmap::fromImage(std::move(image));
}

QIcon windowIcon()
{
    // Every window carries the icon: decode its two renderings once, for all of them.
    static const QImage normal = artwork::load(artwork::icon);
    static const QImage sharp = [] {
        QImage image = artwork::load(artwork::icon2x);
        image.setDevicePixelRatio(2);
        return image;
    }();
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(normal));
    icon.addPixmap(QPixmap::fromImage(sharp));
    return icon;
}

} // namespace pictures
