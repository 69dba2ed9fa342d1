// SPDX-License-Identifier: MIT
#pragma once

#include "band_state.h"
#include "control_array.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>

class BandFrame;
class BandPicture;
class QButtonGroup;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// The main window: the resistor with its four band frames, the colour panel, the unit
// buttons, the value labels and the exit button. Constructing it creates every control with
// its design-time properties, hidden; loadAndShow() runs Form_Load and then shows it. The
// built-in fonts of the captions are registered only before the window first measures or shows
// text, which Form_Load has done while its splash window is on the screen: creating the window
// starts no font set-up, so the splash window does not wait for it.
class FrmGeneral : public QWidget
{
    Q_OBJECT

public:
    explicit FrmGeneral(QWidget* parent = nullptr);
    ~FrmGeneral() override;

    // Loading: Form_Load (centring, the splash window, the initial state), then the window
    // becomes visible. An error on the way leaves it hidden.
    void loadAndShow();

    const BandState& bandState() const { return state_; }

    // Handlers, named after the control and its event.
    void Form_Load();
    void picLineColor_Click(std::int16_t Index);
    void swcColor_Click(std::int16_t Index);
    void btnLimit_Click(std::int16_t Index);
    void BtnExit_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Tests reach states that no click can through it.
    friend class FrmGeneralTestAccess;

    void createControls();
    void setTabOrder();
    bool colourListHasFocus() const;
    void keepColourStopOnChecked(bool listHasFocus);

    void ShowLines();
    void ShowCurrentLine();
    void ShowResistance();

    void centreOnScreen();
    void setValueText(const QString& text);

    BandState state_;
    QPixmap background_;
    bool recentreWhenFrameKnown_ = false;

    ControlArray<QPushButton> btnLimit;
    QButtonGroup* btnLimitGroup = nullptr; // ids: the units' powers of ten
    QPushButton* BtnExit = nullptr;
    QFrame* Picture1 = nullptr;
    QLabel* lblLine = nullptr;
    ControlArray<QRadioButton> swcColor;
    QButtonGroup* swcColorGroup = nullptr; // ids: the colour codes
    ControlArray<BandFrame> picLine;
    ControlArray<BandPicture> picLineColor;
    QLabel* lblResistor = nullptr;
    QLabel* lblLimit = nullptr;
};
