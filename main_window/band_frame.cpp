#include "band_frame.h"

#include "frm_general_layout.h"
#include "run_time_error.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

using namespace FrmGeneralLayout;

BandFrame::BandFrame(int band, const QPixmap& strip, QWidget* parent)
    : QWidget(parent), band_(band), picture_(new BandPicture(strip, this))
{
    setObjectName(QStringLiteral("picLine_%1").arg(band));
    picture_->setObjectName(QStringLiteral("picLineColor_%1").arg(band));
    setGeometry(pixelRect({kPicLineLeft, kPicLineTops[static_cast<std::size_t>(band)],
                           kPicLineWidth, kPicLineHeight}));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);
}

void BandFrame::setPictureTop(float units)
{
    const double pixels = std::round(static_cast<double>(units) * height());
    // A top that no widget coordinate can hold is refused like any impossible move.
    if (!(std::fabs(pixels) <= 1e6))
        throw RunTimeError(RunTimeError::Kind::Overflow);
    picture_->move(0, static_cast<int>(pixels));
}

float BandFrame::pictureTop() const
{
    return static_cast<float>(picture_->y()) / static_cast<float>(height());
}

BandPicture::BandPicture(const QPixmap& strip, QWidget* frame) : QWidget(frame), strip_(strip)
{
    setGeometry(QRect(QPoint(0, 0), pixelSize(kPicLineColorWidth, kPicLineColorHeight)));
    setFocusPolicy(Qt::StrongFocus);
}

void BandPicture::paintEvent(QPaintEvent*)
{
    // Paint only the part of the strip that lies inside the frame, straight from its source
    // rectangle: moving a fully painted strip under the frame's clip lets rows of the
    // neighbouring cell show at fractional scale factors.
    const QRect visible = rect() & QRect(-pos(), parentWidget()->size());
    if (visible.isEmpty())
        return;
    const qreal ratio = strip_.devicePixelRatio();
    const QRectF source(visible.x() * ratio, visible.y() * ratio, visible.width() * ratio,
                        visible.height() * ratio);
    QPainter painter(this);
    painter.drawPixmap(QRectF(visible), strip_, source);
}

void BandPicture::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void BandPicture::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release of the left button on the picture.
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}
