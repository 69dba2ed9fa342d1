// SPDX-License-Identifier: MIT
#include "band_frame.h"

#include "frm_general_layout.h"
#include "pictures.h"
#include "run_time_error.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace FrmGeneralLayout;

namespace
{

// A band picture to assistive technology: a button that selects its band, checked while the
// band is being edited, whose extent is the one cell that shows, not the whole strip. It stays
// checked when pressed again, as a toggle button held down; Qt exposes no toggle-button role on
// AT-SPI (a checkable button there is a plain push button whose checked state screen readers do
// not read), so it is a check box, whose state they do read.
class BandPictureAccessible : public QAccessibleWidget
{
public:
    explicit BandPictureAccessible(BandPicture* picture)
        : QAccessibleWidget(picture, QAccessible::CheckBox)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = picture()->isChecked();
        return state;
    }

    QRect rect() const override
    {
        const QRect cell = picture()->visibleCell();
        return QRect(picture()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }

    void doAction(const QString& action) override
    {
        // Both select the band; a selected band stays selected.
        if ((action == pressAction() || action == toggleAction()) && picture()->isEnabled())
            picture()->click();
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

private:
    BandPicture* picture() const { return static_cast<BandPicture*>(widget()); }
};

QAccessibleInterface* bandAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BandFrame"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (className == QLatin1String("BandPicture"))
        return new BandPictureAccessible(static_cast<BandPicture*>(object));
    return nullptr;
}

} // namespace

BandFrame::BandFrame(int band, std::shared_ptr<pictures::SharedPicture> strip, QWidget* parent)
    : QWidget(parent), picture_(new BandPicture(std::move(strip), this))
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("picLine_%1").arg(band));
    picture_->setObjectName(QStringLiteral("picLineColor_%1").arg(band));
    setGeometry(pixelRect({kPicLineLeft, kPicLineTops[static_cast<std::size_t>(band)],
                           kPicLineWidth, kPicLineHeight}));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void BandFrame::installAccessibleFactory()
{
    static const bool installed = (QAccessible::installFactory(bandAccessibleFactory), true);
    Q_UNUSED(installed);
}

void BandFrame::setPictureTop(float units)
{
    const double pixels = std::round(static_cast<double>(units) * height());
    // A top that no widget coordinate can hold is refused like any impossible move.
    if (!(std::fabs(pixels) <= 1e6))
        throw RunTimeError(RunTimeError::Kind::Overflow);
    picture_->move(0, static_cast<int>(pixels));
    // Assistive technology learns where the band's cell now is.
    QAccessibleEvent moved(picture_, QAccessible::LocationChanged);
    QAccessible::updateAccessibility(&moved);
}

bool BandFrame::showsFocusCue() const
{
    return picture_->hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

BandPicture::BandPicture(std::shared_ptr<pictures::SharedPicture> strip, QWidget* frame)
    : QAbstractButton(frame), strip_(std::move(strip))
{
    setGeometry(QRect(QPoint(0, 0), pixelSize(kPicLineColorWidth, kPicLineColorHeight)));
    setFocusPolicy(Qt::StrongFocus);
    setCheckable(true);
}

QRect BandPicture::visibleCell() const
{
    return rect() & QRect(-pos(), parentWidget()->size());
}

bool BandPicture::hitButton(const QPoint& pos) const
{
    return visibleCell().contains(pos);
}

void BandPicture::paintEvent(QPaintEvent*)
{
    // Only the part of the strip inside the frame is painted, scaled here to the device pixels
    // it covers and then drawn one to one. Moving a fully painted strip under the frame's clip,
    // or leaving the scaling of a source rectangle to the paint engine, lets rows of the
    // neighbouring cell show or outline columns drop out at fractional scale factors,
    // differently from one Qt release to the next.
    const QRect visible = visibleCell();
    if (visible.isEmpty())
        return;
    const QPixmap& strip = strip_->suited(devicePixelRatioF());
    QPainter painter(this);
    const QTransform toDevice = painter.deviceTransform();
    const QRectF mapped = toDevice.mapRect(QRectF(visible));
    const QRect device(QPoint(qRound(mapped.left()), qRound(mapped.top())),
                       QPoint(qRound(mapped.right()) - 1, qRound(mapped.bottom()) - 1));
    if (device.isEmpty())
        return;
    if (scaled_.isNull() || visible != scaledVisible_ || device != scaledDevice_ ||
        strip.cacheKey() != scaledStrip_) {
        scaled_ = scaledCell(strip, visible, device, toDevice);
        scaledVisible_ = visible;
        scaledDevice_ = device;
        scaledStrip_ = strip.cacheKey();
    }
    // Device coordinates: undo the scaling the window system adds after the world transform.
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    painter.drawImage(device.topLeft(), scaled_);
}

QImage BandPicture::scaledCell(const QPixmap& strip, const QRect& visible, const QRect& device,
                               const QTransform& toDevice)
{
    const qreal ratio = strip.devicePixelRatio();
    const QImage source =
        strip
            .copy(QRect(QPoint(qRound(visible.x() * ratio), qRound(visible.y() * ratio)),
                        QSize(qRound(visible.width() * ratio), qRound(visible.height() * ratio))))
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Each device pixel shows the source pixel under its centre (nearest neighbour), clamped
    // to the visible part so that no neighbouring cell can show in a partly covered edge pixel.
    const QTransform toLogical = toDevice.inverted();
    const auto sourceIndex = [ratio](qreal logical, int origin, int count) {
        const auto index = static_cast<int>(std::floor((logical - origin) * ratio));
        return std::clamp(index, 0, count - 1);
    };
    QImage scaled(device.size(), QImage::Format_ARGB32_Premultiplied);
    std::vector<int> sourceX(static_cast<std::size_t>(scaled.width()));
    for (int x = 0; x < scaled.width(); ++x)
        sourceX[static_cast<std::size_t>(x)] = sourceIndex(
            toLogical.map(QPointF(device.left() + x + 0.5, 0)).x(), visible.x(), source.width());
    for (int y = 0; y < scaled.height(); ++y) {
        const int sourceY = sourceIndex(toLogical.map(QPointF(0, device.top() + y + 0.5)).y(),
                                        visible.y(), source.height());
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(sourceY));
        auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < scaled.width(); ++x)
            out[x] = in[sourceX[static_cast<std::size_t>(x)]];
    }
    return scaled;
}

void BandPicture::keyPressEvent(QKeyEvent* event)
{
    // Any key shows that the user works with the keyboard, which makes the focus cue appear.
    if (!window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        window()->update();
    }
    // Space and Enter do what a click does. With Ctrl, Alt, Shift or Meta they are some other
    // command, not a press: the band leaves them to the window (Qt's own button handling would
    // take Space with any modifier for a press).
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            click();
        else
            event->ignore();
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}
