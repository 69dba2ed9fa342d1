// SPDX-License-Identifier: MIT
#include "frm_general.h"

#include "artwork.h"
#include "band_frame.h"
#include "colour_code.h"
#include "fonts.h"
#include "frm_general_layout.h"
#include "frm_logo.h"
#include "handler_guard.h"
#include "label_accessible.h"
#include "number_text.h"
#include "pictures.h"
#include "resistance_texts.h"
#include "window_rules.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <array>
#include <memory>

using namespace FrmGeneralLayout;

// One colour button per colour code, and one strip cell per colour, as tall as a band frame.
static_assert(kSwcColorTops.size() == kColourCount);
static_assert(artwork::stripSize.height() == kColourCount * pixelsFromTwips(kPicLineHeight));
static_assert(pixelsFromTwips(kPicLineColorHeight) == artwork::stripSize.height());

namespace
{

const char kCaption[] = " Программа расшифровки цветовой маркеровки резисторов";
const char kExitCaption[] = "Выход";
const char kBandCaption[] = "Метка"; // followed by the band number
// Design-time captions, replaced by Form_Load before the window is first shown.
const char kBandPlaceholder[] = "Метка 0";
const char kValuePlaceholder[] = "999999999";
const char kUnitPlaceholder[] = "Om,kOm,mOm";

constexpr qreal kBandLabelPointSize = 12;
constexpr qreal kValuePointSize = 27.75;
constexpr qreal kUnitPointSize = 24;
// The smallest step by which a value text too wide for its label is made smaller.
constexpr qreal kValuePointSizeStep = 0.25;
// The font of the buttons: small enough for the 13-px rows of the colour buttons.
constexpr qreal kButtonPointSize = 8;

// The band label's white text stands on this dark slate blue (contrast about 7:1) instead of
// the pale button face, on which white cannot be read.
const QColor kBandLabelBackground(0x3C, 0x5A, 0x78);

// The focus cue of a band: a white arrow on each side of the band frame, pointing at it, so
// that the band's colour stays wholly visible.
constexpr int kFocusArrowGap = 2; // between the arrow's tip and the frame
constexpr int kFocusArrowLength = 8;
const QColor kFocusArrowFill(Qt::white);
const QColor kFocusArrowOutline(Qt::black);

// What assistive technology reads for the controls whose caption alone says too little.
const char kBandGroupName[] = "Полоса %1";          // band number
const char kBandAccessibleName[] = "Полоса %1: %2"; // band number, colour name
const char kBandUnknownColour[] = "код %1";
const char kBandAccessibleDescription[] =
    "Щелчок, пробел или Enter выбирает эту полосу для изменения цвета";
const char kPanelAccessibleName[] = "Цвет выбранной полосы";
// The heading's caption says "Метка"; its description names the band as the bands are named.
const char kBandLabelAccessibleDescription[] = "Редактируемая полоса: Полоса %1";
const char kValueAccessibleDescription[] = "Сопротивление";
const char kUnitAccessibleDescription[] = "Единица измерения и допуск";

// The main window to assistive technology: a frame named by its title, not a bare filler; the
// colour panel a grouping of the colours, not a frame (the role of a top-level window); the
// labels static text that can be read as text.
QAccessibleInterface* windowAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("FrmGeneral"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QFrame") && object->objectName() == QLatin1String("Picture1"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (className == QLatin1String("QLabel") &&
        qobject_cast<FrmGeneral*>(static_cast<QWidget*>(object)->window()))
        return new LabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

// The colour list is one Tab stop, at the checked colour: Tab and Shift+Tab enter it at the
// band's own colour and leave it at the next press. A click still gives any colour the focus.
void makeCheckedColourTheStop(const QButtonGroup* colours)
{
    for (QAbstractButton* colour : colours->buttons())
        colour->setFocusPolicy(colour == colours->checkedButton() ? Qt::StrongFocus
                                                                  : Qt::ClickFocus);
}

// The two arrows beside a band frame that point at it.
std::array<QPolygonF, 2> focusArrows(const QRect& frame)
{
    const int left = frame.left() - kFocusArrowGap;
    const int right = frame.right() + 1 + kFocusArrowGap;
    const qreal middle = frame.top() + frame.height() / 2.0;
    return {QPolygonF{QPointF(left - kFocusArrowLength, frame.top()), QPointF(left, middle),
                      QPointF(left - kFocusArrowLength, frame.bottom() + 1)},
            QPolygonF{QPointF(right + kFocusArrowLength, frame.top()), QPointF(right, middle),
                      QPointF(right + kFocusArrowLength, frame.bottom() + 1)}};
}

QString bandAccessibleName(int band, int code)
{
    const QString colour = code >= 0 && code < kColourCount
                               ? QString::fromUtf8(colourCode(code).name)
                               : QString::fromUtf8(kBandUnknownColour).arg(code);
    return QString::fromUtf8(kBandAccessibleName).arg(band).arg(colour);
}

// The labels ask for Arial bold; the program carries Liberation Sans, which has Arial's metrics
// and the Cyrillic letters, so that the captions look the same whatever fonts a system has.
QFont labelFont(qreal pointSize)
{
    QFont font(fonts::families());
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

QLabel* createLabel(const char* name, const char* caption, qreal pointSize, const QRect& place,
                    QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(labelFont(pointSize));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

// A colour option button takes a click anywhere in its rectangle, not only on its circle and
// caption, so that a click past a short caption such as "Белый" chooses the colour too. Up and
// Down choose the colour above or below that the band can take, as a click would, and take the
// focus there, from whichever colour has the focus.
class ColourButton : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1 : 0;
        if (step == 0 || !group()) {
            QRadioButton::keyPressEvent(event);
            return;
        }
        for (int code = group()->id(this) + step; QAbstractButton* next = group()->button(code);
             code += step) {
            if (next->isEnabled()) {
                next->click();
                next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return;
            }
        }
    }

    // Qt makes the colour that had the focus last the group's Tab stop; once the focus leaves
    // it, the stop goes back to the checked colour.
    void focusOutEvent(QFocusEvent* event) override
    {
        QRadioButton::focusOutEvent(event);
        if (group())
            makeCheckedColourTheStop(group());
    }
};

} // namespace

FrmGeneral::FrmGeneral(QWidget* parent) : QWidget(parent)
{
    // First of all: Qt keeps the first accessible interface made for a widget, and setting the
    // title already makes one for a window while a screen reader listens (Qt 6.8).
    static const bool factoryInstalled =
        (QAccessible::installFactory(windowAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
    BandFrame::installAccessibleFactory();
    setObjectName(QStringLiteral("FrmGeneral"));
    setWindowTitle(QString::fromUtf8(kCaption));
    // A fixed dialog frame: title bar with the caption and a close box, nothing else.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(pixelSize(kClientWidth, kClientHeight));
    keepFixedSize(this);
    setWindowIcon(pictures::windowIcon());
    QFont buttonFont = font();
    buttonFont.setFamilies(fonts::families());
    buttonFont.setPointSizeF(kButtonPointSize);
    setFont(buttonFont);

    createControls();
    setTabOrder();
    picLineColor[1]->setFocus();
}

FrmGeneral::~FrmGeneral()
{
    // Destroying the controls moves the focus; the focus cue must not be redrawn by then.
    disconnect(qApp, nullptr, this, nullptr);
}

void FrmGeneral::createControls()
{
    btnLimitGroup = new QButtonGroup(this);
    for (const UnitButton& unit : kBtnLimit) {
        const int index = unit.unit.index;
        // The spoken name is the caption, so that "kOm" said to voice control reaches it; the
        // Russian word for the unit is its description.
        auto* button = new QPushButton(QString::fromLatin1(unit.unit.caption), this);
        button->setObjectName(QStringLiteral("btnLimit_%1").arg(index));
        button->setGeometry(pixelRect({unit.left, kButtonTop, kButtonWidth, kButtonHeight}));
        button->setAccessibleDescription(QString::fromUtf8(unit.spokenUnit));
        btnLimitGroup->addButton(button, index);
        btnLimit.add(index, button);
    }
    connect(btnLimitGroup, &QButtonGroup::idClicked, this, HandlerGuard::guarded([this](int id) {
                btnLimit_Click(static_cast<std::int16_t>(id));
            }));

    BtnExit = new QPushButton(QString::fromUtf8(kExitCaption), this);
    BtnExit->setObjectName(QStringLiteral("BtnExit"));
    BtnExit->setGeometry(pixelRect(kBtnExit));
    connect(BtnExit, &QPushButton::clicked, this,
            HandlerGuard::guarded([this] { BtnExit_Click(); }));

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(pixelRect(kPicture1));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setLineWidth(kPicture1BorderPixels);
    Picture1->setAutoFillBackground(true);
    Picture1->setBackgroundRole(QPalette::Button);
    Picture1->setAccessibleName(QString::fromUtf8(kPanelAccessibleName));
    // Children of the panel are placed inside its border.
    const QPoint insideBorder(kPicture1BorderPixels, kPicture1BorderPixels);

    lblLine = createLabel("lblLine", kBandPlaceholder, kBandLabelPointSize,
                          pixelRect(kLblLine).translated(insideBorder), Picture1);
    lblLine->setAutoFillBackground(true);
    lblLine->setBackgroundRole(QPalette::Window); // not the panel's button face
    QPalette headingPalette = lblLine->palette();
    headingPalette.setColor(QPalette::Window, kBandLabelBackground);
    lblLine->setPalette(headingPalette);

    swcColorGroup = new QButtonGroup(this);
    for (int code = 0; code < kColourCount; ++code) {
        auto* button = new ColourButton(QString::fromUtf8(colourCode(code).name), Picture1);
        button->setObjectName(QStringLiteral("swcColor_%1").arg(code));
        button->setGeometry(pixelRect({kSwcColorLeft, kSwcColorTops[static_cast<std::size_t>(code)],
                                       kSwcColorWidth, kSwcColorHeight})
                                .translated(insideBorder));
        swcColorGroup->addButton(button, code);
        swcColor.add(code, button);
    }
    swcColor[0]->setChecked(true);
    keepColourStopOnChecked(false);
    // Whatever checks a colour applies it: a click, an arrow key, or a screen reader's or switch
    // device's toggle action, which checks the button without clicking it. ShowCurrentLine's own
    // check of the band's colour is not a choice and is kept out.
    connect(swcColorGroup, &QButtonGroup::idToggled, this,
            HandlerGuard::guarded([this](int id, bool checked) {
                if (!checked)
                    return;
                const bool listHadFocus = colourListHasFocus();
                swcColor_Click(static_cast<std::int16_t>(id));
                keepColourStopOnChecked(listHadFocus);
            }));

    // Decoded when the bands are first painted, once for all four.
    const auto strip = std::make_shared<pictures::SharedPicture>(artwork::strip, artwork::strip2x);
    for (int band = 1; band <= kBandCount; ++band) {
        auto* frame = new BandFrame(band, strip, this);
        // Assistive technology meets each band once: the frame is the band's grouping, the
        // picture its button, named after the band and its colour.
        frame->setAccessibleName(QString::fromUtf8(kBandGroupName).arg(band));
        frame->picture()->setAccessibleDescription(QString::fromUtf8(kBandAccessibleDescription));
        // Until the band state is shown, every strip stands at its top cell, gold.
        frame->picture()->setAccessibleName(bandAccessibleName(band, kGold));
        const auto index = static_cast<std::int16_t>(band);
        connect(frame->picture(), &BandPicture::clicked, this,
                HandlerGuard::guarded([this, index] { picLineColor_Click(index); }));
        picLine.add(band, frame);
        picLineColor.add(band, frame->picture());
    }

    lblResistor = createLabel("lblResistor", kValuePlaceholder, kValuePointSize,
                              pixelRect(kLblResistor), this);
    lblLimit =
        createLabel("lblLimit", kUnitPlaceholder, kUnitPointSize, pixelRect(kLblLimit), this);
    // The labels' accessible names are their texts; the descriptions say what they show.
    lblResistor->setAccessibleDescription(QString::fromUtf8(kValueAccessibleDescription));
    lblLimit->setAccessibleDescription(QString::fromUtf8(kUnitAccessibleDescription));

    // The focus cue of the bands is drawn by the window: redraw it when the focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        for (const auto& [band, frame] : picLine)
            for (const QPolygonF& arrow : focusArrows(frame->geometry()))
                update(arrow.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1));
    });
}

void FrmGeneral::setTabOrder()
{
    // Bands first, then the colours (the band label's place among them is skipped, as labels
    // take no focus; the panel is no stop of its own, the colours are its content), then the
    // exit and unit buttons. Each band is one stop, its picture; the frame takes no focus.
    QList<QWidget*> order;
    for (int band = 1; band <= kBandCount; ++band)
        order << picLineColor[band];
    for (int code = 0; code < kColourCount; ++code)
        order << swcColor[code];
    order << BtnExit;
    for (const auto& [index, button] : btnLimit)
        order << button;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FrmGeneral::loadAndShow()
{
    HandlerGuard::run([this] {
        Form_Load();
        if (!HandlerGuard::errorRaised())
            show();
    });
}

void FrmGeneral::Form_Load()
{
    centreOnScreen();
    recentreWhenFrameKnown_ = true;
    {
        FrmLogo logo; // loading the splash window centres it and starts its timer
        // The font set-up waits until the splash window is on the screen and is done while it
        // shows, so that neither waits for the other.
        connect(&logo, &FrmLogo::pictureShown, this,
                HandlerGuard::guarded([] { fonts::registerBuiltIn(); }));
        logo.exec(); // returns once it has hidden itself, or when an error ends the program
    }                // unloaded here, with its timer
    if (HandlerGuard::errorRaised())
        return;

    state_.setInitial();
    ShowLines();
    picLineColor_Click(state_.CurLine);
    ShowResistance();
}

void FrmGeneral::picLineColor_Click(std::int16_t Index)
{
    const bool listHadFocus = colourListHasFocus();
    state_.selectBand(Index);
    ShowCurrentLine();
    // Digit and multiplier bands take codes 0..9, the tolerance band silver and gold.
    for (const auto& [code, button] : swcColor)
        button->setEnabled(isOfferedForBand(code, state_.CurLine));
    keepColourStopOnChecked(listHadFocus);
}

void FrmGeneral::swcColor_Click(std::int16_t Index)
{
    state_.setColour(Index);
    ShowLines();
    ShowResistance();
}

void FrmGeneral::btnLimit_Click(std::int16_t Index)
{
    state_.setUnit(Index);
    ShowResistance();
}

void FrmGeneral::BtnExit_Click()
{
    hide();
    QCoreApplication::exit(0);
}

void FrmGeneral::ShowLines()
{
    for (int band = 1; band <= kBandCount; ++band) {
        const std::int16_t code = state_.LineColor[static_cast<std::size_t>(band)];
        picLine[band]->setPictureTop(stripTopInCells(code));
        // Renamed only when the colour changed, so a screen reader announces just that band.
        const QString spoken = bandAccessibleName(band, code);
        if (picLineColor[band]->accessibleName() != spoken)
            picLineColor[band]->setAccessibleName(spoken);
    }
}

void FrmGeneral::ShowCurrentLine()
{
    QRadioButton* colour = swcColor[state_.currentColour()];
    const QSignalBlocker programmaticCheck(swcColorGroup);
    colour->setChecked(true);
    // The band being edited is the checked one, which assistive technology is told.
    for (const auto& [band, picture] : picLineColor)
        picture->setChecked(band == state_.CurLine);
    lblLine->setText(QString::fromUtf8(kBandCaption) +
                     QString::fromStdString(numberToText(state_.CurLine)));
    // Described anew only when the band changed, as the bands are renamed.
    const QString edited = QString::fromUtf8(kBandLabelAccessibleDescription).arg(state_.CurLine);
    if (lblLine->accessibleDescription() != edited)
        lblLine->setAccessibleDescription(edited);
}

void FrmGeneral::ShowResistance()
{
    const ResistanceTexts texts = resistanceTexts(state_);
    setValueText(QString::fromStdString(texts.value));
    lblLimit->setText(QString::fromStdString(texts.unitAndTolerance));
}

void FrmGeneral::setValueText(const QString& text)
{
    // Every value text must be wholly visible: one too wide for the label at the design size
    // is drawn at the largest size that fits, measured in the font it will be drawn in.
    fonts::registerBuiltIn();
    QFont font = labelFont(kValuePointSize);
    while (QFontMetricsF(font).horizontalAdvance(text) > lblResistor->width() &&
           font.pointSizeF() > kValuePointSizeStep)
        font.setPointSizeF(font.pointSizeF() - kValuePointSizeStep);
    lblResistor->setFont(font);
    lblResistor->setText(text);
}

void FrmGeneral::centreOnScreen()
{
    // By the outer size, once the window manager has framed the window.
    ::centreOnScreen(this, frameGeometry().size());
}

bool FrmGeneral::colourListHasFocus() const
{
    const auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    return focused && focused->group() == swcColorGroup;
}

void FrmGeneral::keepColourStopOnChecked(bool listHasFocus)
{
    makeCheckedColourTheStop(swcColorGroup);
    // While the keyboard works in the list, the focus stays on the chosen colour, whatever
    // chose it (a screen reader's toggle action, a band selected from elsewhere).
    if (QAbstractButton* checked = swcColorGroup->checkedButton(); checked && listHasFocus)
        checked->setFocus(Qt::OtherFocusReason);
}

void FrmGeneral::showEvent(QShowEvent* event)
{
    fonts::registerBuiltIn(); // before any caption is drawn
    QWidget::showEvent(event);
}

void FrmGeneral::paintEvent(QPaintEvent*)
{
    // Decoded at the first paint, so that the splash window shown by Form_Load does not wait
    // for it, and again when the window moves to a screen of another density.
    pictures::keepSuited(background_, artwork::background, artwork::background2x,
                         devicePixelRatioF());
    QPainter painter(this);
    // At its natural size from the top-left corner; what lies beyond the client area is clipped.
    painter.drawPixmap(0, 0, background_);

    for (const auto& [band, frame] : picLine) {
        if (!frame->showsFocusCue())
            continue;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kFocusArrowOutline, 1));
        painter.setBrush(kFocusArrowFill);
        for (const QPolygonF& arrow : focusArrows(frame->geometry()))
            painter.drawPolygon(arrow);
    }
}

void FrmGeneral::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    // On X11 the frame is known only shortly after the first show: centre once more with it.
    if (recentreWhenFrameKnown_ && frameGeometry().size() != size()) {
        recentreWhenFrameKnown_ = false;
        centreOnScreen();
    }
}
