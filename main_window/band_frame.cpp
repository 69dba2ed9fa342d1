// SPDX-License-Identifier: MIT
#include "band_frame.h"

#include "frm_general_layout.h"
#include "run_time_error.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

using namespace FrmGeneralLayout;

namespace
{

// A band picture to assistive technology: a button that selects its band, checked while the
// band is being edited, whose extent is the one cell that shows, not the whole strip.
class BandPictureAccessible : public QAccessibleWidget
{
public:
    explicit BandPictureAccessible(BandPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Button)
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
    return (hasFocus() || picture_->hasFocus()) &&
           window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void BandFrame::keyPressEvent(QKeyEvent* event)
{
    if (activatesBand(this, event))
        picture_->click();
    else
        QWidget::keyPressEvent(event);
}

BandPicture::BandPicture(const QPixmap& strip, QWidget* frame)
    : QAbstractButton(frame), strip_(strip)
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
    // Paint only the part of the strip that lies inside the frame, straight from its source
    // rectangle: moving a fully painted strip under the frame's clip lets rows of the
    // neighbouring cell show at fractional scale factors.
    const QRect visible = visibleCell();
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
        click();
    else
        QAbstractButton::keyPressEvent(event);
}
