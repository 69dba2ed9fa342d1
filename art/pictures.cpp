// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "artwork.h"

#include <utility>

namespace pictures
{

QPixmap pixmap(const char* path1x, const char* path2x, qreal devicePixelRatio)
{
    const char* path = devicePixelRatio >= 2 ? path2x : path1x;
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
