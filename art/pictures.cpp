// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "artwork.h"

#include <utility>

namespace pictures
{

namespace
{
// The device pixel ratio of the rendering made for a screen's density.
int renderingRatio(qreal devicePixelRatio)
{
    return devicePixelRatio >= 2 ? 2 : 1;
}
} // namespace

QPixmap pixmap(const char* path1x, const char* path2x, qreal devicePixelRatio)
{
    const int ratio = renderingRatio(devicePixelRatio);
    QImage image = artwork::load(ratio == 2 ? path2x : path1x);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

void keepSuited(QPixmap& picture, const char* path1x, const char* path2x, qreal devicePixelRatio)
{
    if (picture.isNull() || picture.devicePixelRatio() != renderingRatio(devicePixelRatio))
        picture = pixmap(path1x, path2x, devicePixelRatio);
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
