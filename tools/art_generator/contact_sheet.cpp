// SPDX-License-Identifier: MIT
#include "contact_sheet.h"

#include "artwork.h"
#include "colour_code.h"
#include "drawing.h"
#include "frm_general_layout.h"

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
    using namespace FrmGeneralLayout;
    QImage view =
        art.background.copy(0, 0, pixelsFromTwips(kClientWidth), pixelsFromTwips(kClientHeight));
    QPainter p(&view);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor face(0xEF, 0xEF, 0xEF);
    BandState start;
    start.setInitial(); // the colours the window starts with
    for (int band = 1; band <= kBandCount; ++band) {
        const QRect frame(pixelsFromTwips(kPicLineLeft), pixelsFromTwips(kPicLineTops[band]),
                          pixelsFromTwips(kPicLineWidth), pixelsFromTwips(kPicLineHeight));
        p.fillRect(frame.adjusted(artwork::stripSize.width(), 0, 0, 0), face);
        p.drawImage(frame.topLeft(), art.strip,
                    QRect(0, artwork::stripCellTop(start.LineColor[static_cast<std::size_t>(band)]),
                          artwork::stripSize.width(), artwork::stripCellHeight));
    }
    p.fillRect(pixelRect(kPicture1), face);
    for (const UnitButton& button : kBtnLimit)
        p.fillRect(pixelRect({button.left, kButtonTop, kButtonWidth, kButtonHeight}), face);
    p.fillRect(pixelRect(kBtnExit), face);
    auto label = [&](const QRect& box, double pixelSize, const QString& text) {
        QPainterPath path = drawing::textPath(font, pixelSize, text, QPointF(0, 0));
        const QRectF bounds = path.boundingRect();
        path.translate(box.center().x() + 0.5 - bounds.center().x(), box.top() + pixelSize * 0.92);
        p.fillPath(path, Qt::white);
    };
    label(pixelRect(kLblResistor), 37, QStringLiteral("999999999"));
    label(pixelRect(kLblLimit), 32, QStringLiteral("Om,kOm,mOm"));
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
