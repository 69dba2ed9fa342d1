// SPDX-License-Identifier: MIT
#include "contact_sheet.h"

#include "artwork.h"
#include "drawing.h"

#include <QPainter>

namespace
{

const QColor paper(0xF4, 0xF4, 0xF2);
const QColor ink(0x30, 0x30, 0x30);
constexpr int margin = 16;
constexpr int captionHeight = 20;

void caption(QPainter& p, const QFont& font, QPoint at, const QString& text)
{
    p.fillPath(drawing::textPath(font, 12, text, QPointF(at) + QPointF(0, 13)), ink);
}

// The background as the main window shows it: only the client area, with the colour strips in
// the four band frames (the colours the window starts with), the panel and buttons as grey
// blocks and the design-time captions of the two value labels in white.
QImage windowPreview(const Artwork& art, const QFont& font)
{
    QImage view = art.background.copy(0, 0, 505, 274);
    QPainter p(&view);
    p.setRenderHint(QPainter::Antialiasing);
    const int bandTops[] = {96, 112, 128, 152};
    const int codes[] = {6, 2, 5, 11};
    for (int band = 0; band < 4; ++band) {
        const int top = bandTops[band];
        p.fillRect(QRect(87, top, 1, 13), QColor(0xEF, 0xEF, 0xEF));
        p.drawImage(QPoint(33, top), art.strip,
                    QRect(0, artwork::stripCellTop(codes[band]), 54, 13));
    }
    const QColor face(0xEF, 0xEF, 0xEF);
    p.fillRect(QRect(108, 12, 125, 249), face);
    for (const QRect& button : {QRect(240, 12, 85, 33), QRect(328, 12, 85, 33),
                                QRect(416, 12, 85, 33), QRect(416, 228, 85, 33)})
        p.fillRect(button, face);
    auto label = [&](const QRect& box, double pixelSize, const QString& text) {
        QPainterPath path = drawing::textPath(font, pixelSize, text, QPointF(0, 0));
        const QRectF bounds = path.boundingRect();
        path.translate(box.center().x() + 0.5 - bounds.center().x(), box.top() + pixelSize * 0.92);
        p.fillPath(path, Qt::white);
    };
    label(QRect(256, 88, 225, 41), 37, QStringLiteral("999999999"));
    label(QRect(256, 144, 225, 33), 32, QStringLiteral("Om,kOm,mOm"));
    return view;
}

} // namespace

QImage renderContactSheet(const Artwork& art, const QFont& font)
{
    const QImage stripZoom =
        art.strip.scaled(art.strip.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage preview = windowPreview(art, font);
    const int iconColumn = 140;
    const int row1 = art.background.height();
    const int width = margin * 6 + art.background.width() + art.strip.width() + stripZoom.width() +
                      art.splash.width() + iconColumn;
    const int height = margin * 3 + 2 * captionHeight + row1 + preview.height();

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(paper);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);

    int x = margin;
    const int y = margin + captionHeight;
    auto place = [&](const QImage& image, const QString& text) {
        caption(p, font, QPoint(x, margin), text);
        p.drawImage(QPoint(x, y), image);
        x += image.width() + margin;
    };
    place(art.background, QStringLiteral("background 507 × 315"));
    place(art.strip, QStringLiteral("strip"));
    place(stripZoom, QStringLiteral("strip ×2"));
    place(art.splash, QStringLiteral("splash 273 × 310"));

    caption(p, font, QPoint(x, margin), QStringLiteral("icon"));
    int iconY = y;
    for (const QImage& icon : art.icons) {
        if (icon.width() > 64)
            continue;
        p.fillRect(QRect(x, iconY, icon.width(), icon.height()), QColor(0xFF, 0xFF, 0xFF));
        p.drawImage(QPoint(x, iconY), icon);
        p.fillRect(QRect(x + icon.width() + 4, iconY, icon.width(), icon.height()),
                   QColor(0x40, 0x44, 0x48));
        p.drawImage(QPoint(x + icon.width() + 4, iconY), icon);
        iconY += icon.height() + 8;
    }

    const int y2 = y + row1 + margin;
    caption(p, font, QPoint(margin, y2),
            QStringLiteral("as the window shows it: client area, bands in the start colours"));
    p.drawImage(QPoint(margin, y2 + captionHeight), preview);

    int bigX = margin * 2 + preview.width();
    caption(p, font, QPoint(bigX, y2), QStringLiteral("icon 128, 256"));
    for (const QImage& icon : art.icons) {
        if (icon.width() < 128)
            continue;
        p.drawImage(QPoint(bigX, y2 + captionHeight), icon);
        bigX += icon.width() + margin;
    }
    return sheet;
}
