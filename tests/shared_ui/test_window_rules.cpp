// SPDX-License-Identifier: MIT
// Where the windows go on the screen, and that they keep their size whatever a window manager
// asks of them.
#include "artwork.h"
#include "frm_general.h"
#include "frm_logo.h"
#include "waits.h"
#include "window_rules.h"

#include <QScreen>

#include <QtTest>

class TestWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void centredPosition_data();
    void centredPosition();
    void windowsStayOnTheScreen();
    void windowsKeepTheirSize_data();
    void windowsKeepTheirSize();
    void picturesFollowTheScreen();
};

void TestWindowRules::centredPosition_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1280, 1024);
    // Windows that fit are centred on the whole screen, a task bar or panel notwithstanding.
    QTest::newRow("main window") << screen << screen << QSize(515, 308) << QPoint(383, 358);
    QTest::newRow("splash") << screen << QRect(0, 0, 1280, 984) << QSize(273, 310)
                            << QPoint(504, 357);
    QTest::newRow("half a pixel rounds") << screen << screen << QSize(274, 311) << QPoint(503, 357);
    QTest::newRow("second screen") << QRect(1280, 0, 1920, 1080) << QRect(1280, 0, 1920, 1080)
                                   << QSize(515, 308) << QPoint(1983, 386);
    // Larger than the screen: never left of or above the available area.
    QTest::newRow("main window at 300 %")
        << QRect(0, 0, 427, 341) << QRect(0, 0, 427, 341) << QSize(1545, 924) << QPoint(0, 0);
    QTest::newRow("too wide only") << screen << screen << QSize(1400, 300) << QPoint(0, 362);
    QTest::newRow("too tall, panel at the top")
        << screen << QRect(0, 30, 1280, 994) << QSize(500, 1100) << QPoint(390, 30);
    QTest::newRow("too large, screen to the left of the primary")
        << QRect(-800, 0, 800, 600) << QRect(-800, 0, 800, 570) << QSize(900, 700)
        << QPoint(-800, 0);
}

void TestWindowRules::centredPosition()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QSize, outer);
    QFETCH(QPoint, expected);
    QCOMPARE(::centredPosition(screen, available, outer), expected);
}

void TestWindowRules::windowsStayOnTheScreen()
{
    FrmLogo logo;
    FrmGeneral window;
    for (QWidget* shown : {static_cast<QWidget*>(&logo), static_cast<QWidget*>(&window)}) {
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        // By the outer size, now that the frame is known, as the windows do it themselves.
        centreOnScreen(shown, shown->frameGeometry().size());
        const QScreen* primary = QGuiApplication::primaryScreen();
        const QRect available = primary->availableGeometry();
        const QRect outer = shown->frameGeometry();
        QVERIFY2(outer.left() >= available.left() && outer.top() >= available.top(),
                 qPrintable(QString("%1 at (%2, %3)")
                                .arg(shown->objectName())
                                .arg(outer.left())
                                .arg(outer.top())));
        // A window that fits is centred.
        if (outer.width() <= available.width())
            QVERIFY2(qAbs(outer.center().x() - primary->geometry().center().x()) <= 1,
                     qPrintable(QString("%1 centred at x = %2, the primary screen at x = %3")
                                    .arg(shown->objectName())
                                    .arg(outer.center().x())
                                    .arg(primary->geometry().center().x())));
    }
}

void TestWindowRules::windowsKeepTheirSize_data()
{
    QTest::addColumn<bool>("splash");
    QTest::addColumn<int>("state");
    // Whether the native window has another child object before the first show, as a platform
    // or an accessibility bridge may give it: that must not stop the size being kept.
    QTest::addColumn<bool>("nativeHasChild");
    QTest::newRow("main window full-screen") << false << int(Qt::WindowFullScreen) << false;
    QTest::newRow("main window maximised") << false << int(Qt::WindowMaximized) << false;
    QTest::newRow("splash full-screen") << true << int(Qt::WindowFullScreen) << false;
    QTest::newRow("splash maximised") << true << int(Qt::WindowMaximized) << false;
    QTest::newRow("main window, native window with a child")
        << false << int(Qt::WindowMaximized) << true;
    QTest::newRow("splash, native window with a child") << true << int(Qt::WindowMaximized) << true;
}

void TestWindowRules::windowsKeepTheirSize()
{
    QFETCH(bool, splash);
    QFETCH(int, state);
    QFETCH(bool, nativeHasChild);
    FrmLogo logo;
    FrmGeneral main;
    QWidget* window = splash ? static_cast<QWidget*>(&logo) : static_cast<QWidget*>(&main);
    const QSize size = splash ? QSize(273, 310) : QSize(505, 274);
    if (nativeHasChild) {
        window->winId();
        new QObject(window->windowHandle());
    }
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->size(), size);

    // What a window manager does when asked for full screen or a maximised window.
    window->windowHandle()->setWindowStates(Qt::WindowStates(state));
    TRY_COMPARE(window->windowState(), Qt::WindowNoState);
    TRY_COMPARE(window->size(), size);
    TRY_COMPARE(window->windowHandle()->size(), size);

    // A window manager resizing the native window in its normal state (a maximise that arrives
    // after the window went back to normal does that under Wine).
    window->windowHandle()->resize(800, 600);
    TRY_COMPARE(window->windowHandle()->size(), size);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->windowState(), Qt::WindowNoState);
}

void TestWindowRules::picturesFollowTheScreen()
{
    QScreen* primary = QGuiApplication::primaryScreen();
    QScreen* denser = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() >= 2 && primary->devicePixelRatio() < 2)
            denser = screen;
    if (!denser)
        QSKIP("needs a primary screen below 2x and another one at 2x "
              "(test_window_rules_two_densities)");

    FrmLogo logo;
    FrmGeneral main;
    // A part of each window's picture with fine detail (the splash's title, the main window's
    // top-left corner) where no control covers it.
    const struct {
        QWidget* window;
        const char* picture1x;
        const char* picture2x;
        QRect part;
    } windows[] = {{&logo, artwork::splash, artwork::splash2x, QRect(100, 30, 30, 30)},
                   {&main, artwork::background, artwork::background2x, QRect(0, 0, 30, 30)}};
    for (const auto& [window, picture1x, picture2x, part] : windows) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Over to the 2x screen and back: each time the picture drawn one to one is the
        // rendering made for that screen, not the other one scaled.
        for (QScreen* screen : {denser, primary}) {
            // Moved as a user drags it: its place decides its screen.
            window->move(screen->geometry().topLeft() + QPoint(10, 10));
            TRY_COMPARE(window->screen(), screen);
            TRY_COMPARE(window->devicePixelRatioF(), screen->devicePixelRatio());
            const int ratio = screen->devicePixelRatio() >= 2 ? 2 : 1;
            const QImage expected = artwork::load(ratio == 2 ? picture2x : picture1x)
                                        .copy(QRect(part.topLeft() * ratio, part.size() * ratio));
            const QImage seen = window->grab(part).toImage().convertToFormat(expected.format());
            QVERIFY2(
                seen == expected,
                qPrintable(
                    QString("%1 on the %2 screen").arg(window->objectName()).arg(screen->name())));
        }
    }
    // A band at 2x shows the 2x strip's cell, whose outline is two device pixels wide.
    main.move(denser->geometry().topLeft() + QPoint(10, 10));
    TRY_COMPARE(main.devicePixelRatioF(), denser->devicePixelRatio());
    const QImage band = main.findChild<QWidget*>("picLine_1")->grab().toImage();
    QCOMPARE(band.pixelColor(1, 10), QColor(Qt::black));
    QVERIFY(band.pixelColor(2, 10) != QColor(Qt::black));
}

QTEST_MAIN(TestWindowRules)
#include "test_window_rules.moc"
