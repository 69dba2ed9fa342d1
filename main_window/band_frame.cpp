#include "band_frame.h"

#include "frm_general_layout.h"
#include "run_time_error.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

using namespace FrmGeneralLayout;

namespace
{

// To assistive technology a band frame and a band picture are buttons that select the band.
class BandAccessible : public QAccessibleWidget
{
public:
    explicit BandAccessible(QWidget* band) : QAccessibleWidget(band, QAccessible::Button) {}

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (auto* frame = qobject_cast<BandFrame*>(widget()))
            frame->press();
        else if (auto* picture = qobject_cast<BandPicture*>(widget()))
            picture->press();
    }
};

QAccessibleInterface* bandAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("BandFrame") || className == QLatin1String("BandPicture"))
        return new BandAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

BandFrame::BandFrame(int band, const QPixmap& strip, QWidget* parent)
    : QWidget(parent), picture_(new BandPicture(strip, this))
{
    setObjectName(QStringLiteral("picLine_%1").arg(band));
    picture_->setObjectName(QStringLiteral("picLineColor_%1").arg(band));
    setGeometry(pixelRect({kPicLineLeft, kPicLineTops[static_cast<std::size_t>(band)],
                           kPicLineWidth, kPicLineHeight}));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setFocusPolicy(Qt::StrongFocus);
    static const bool factoryInstalled = (QAccessible::installFactory(bandAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
}

void BandFrame::press()
{
    picture_->press();
}

void BandFrame::setPictureTop(float units)
{
    const double pixels = std::round(static_cast<double>(units) * height());
    // A top that no widget coordinate can hold is refused like any impossible move.
    if (!(std::fabs(pixels) <= 1e6))
        throw RunTimeError(RunTimeError::Kind::Overflow);
    picture_->move(0, static_cast<int>(pixels));
}

bool BandFrame::showsFocusCue() const
{
    return (hasFocus() || picture_->hasFocus()) &&
           window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

namespace
{

// Space and Enter on a band do what a click on its picture does. Any key shows that the user
// works with the keyboard, which makes the focus cue appear.
bool activatesBand(QWidget* band, QKeyEvent* event)
{
    if (!band->window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        band->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        band->window()->update();
    }
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    default:
        return false;
    }
}

} // namespace

void BandFrame::keyPressEvent(QKeyEvent* event)
{
    if (activatesBand(this, event))
        press();
    else
        QWidget::keyPressEvent(event);
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

void BandPicture::keyPressEvent(QKeyEvent* event)
{
    if (activatesBand(this, event))
        press();
    else
        QWidget::keyPressEvent(event);
}

void BandPicture::mousePressEvent(QMouseEvent* event)
{
    click_.press(event);
}

void BandPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (click_.release(event, rect()))
        emit clicked();
}
