// SPDX-License-Identifier: MIT
// The splash window: frameless, centred, exactly its picture; hidden by a click or by its
// timer five seconds after it was created, and by nothing else.
#include "artwork.h"
#include "frm_logo.h"
#include "waits.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <qpa/qwindowsysteminterface.h>

class TestFrmLogo : public QObject
{
    Q_OBJECT

private slots:
    void loadedCentredAndFrameless();
    void showsItsPicture();
    void clickHidesAtOnce();
    void onlyAWholeClickHides_data();
    void onlyAWholeClickHides();
    void keysDoNothing_data();
    void keysDoNothing();
    void windowManagerCloseDoesNothing();
    void namedForScreenReaders();
    void timerHidesAfterFiveSeconds();
};

void TestFrmLogo::loadedCentredAndFrameless()
{
    FrmLogo logo;
    QVERIFY(!logo.isVisible());
    QVERIFY(logo.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(logo.size(), QSize(273, 310));
    // The program's own icon, not just any picture.
    QCOMPARE(logo.windowIcon()
                 .pixmap(artwork::iconSize)
                 .toImage()
                 .convertToFormat(QImage::Format_ARGB32),
             artwork::load(artwork::icon).convertToFormat(QImage::Format_ARGB32));
    const QRect screen = logo.screen()->geometry();
    QVERIFY(std::abs(logo.geometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(std::abs(logo.geometry().center().y() - screen.center().y()) <= 1);

    auto* timer = logo.findChild<QTimer*>("Timer");
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
}

void TestFrmLogo::showsItsPicture()
{
    FrmLogo logo;
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));
    const QImage seen = logo.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = artwork::load(artwork::splash).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(seen.size(), picture.size());
    for (const QPoint p : {QPoint(0, 0), QPoint(136, 50), QPoint(100, 200), QPoint(272, 309)})
        QCOMPARE(seen.pixel(p), picture.pixel(p));
}

void TestFrmLogo::clickHidesAtOnce()
{
    FrmLogo logo;
    QSignalSpy ticks(logo.findChild<QTimer*>("Timer"), &QTimer::timeout);
    QTimer::singleShot(0, &logo, [&logo] {
        QTest::mouseClick(logo.windowHandle(), Qt::LeftButton, {}, QPoint(200, 250));
    });
    QVERIFY2(execWithFailSafe([&logo] { return logo.exec(); },
                              [&logo] { logo.done(QDialog::Rejected); }),
             "the splash window was still shown after the click");
    QCOMPARE(ticks.count(), 0); // the click hid it, not the timer
    QVERIFY(!logo.isVisible());
}

void TestFrmLogo::onlyAWholeClickHides_data()
{
    QTest::addColumn<QPoint>("pressAt");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("hides");
    // The window is 273 × 310; a press that leaves it and comes back still makes a click.
    QTest::newRow("click") << QPoint(200, 250) << QPoint(200, 250) << true;
    QTest::newRow("dragged within it") << QPoint(200, 250) << QPoint(20, 30) << true;
    QTest::newRow("dragged off to the right") << QPoint(200, 250) << QPoint(300, 250) << false;
    QTest::newRow("dragged off above") << QPoint(200, 250) << QPoint(200, -5) << false;
    QTest::newRow("released just past its corner") << QPoint(10, 10) << QPoint(273, 310) << false;
}

void TestFrmLogo::onlyAWholeClickHides()
{
    QFETCH(QPoint, pressAt);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, hides);
    FrmLogo logo;
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));
    QWindow* window = logo.windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, pressAt);
    QTest::mouseMove(window, releaseAt);
    QTest::mouseRelease(window, Qt::LeftButton, {}, releaseAt);
    QCOMPARE(logo.isVisible(), !hides);
}

void TestFrmLogo::keysDoNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void TestFrmLogo::keysDoNothing()
{
    QFETCH(int, key);
    FrmLogo logo;
    logo.show();
    QVERIFY(QTest::qWaitForWindowActive(&logo));
    QTest::keyClick(&logo, Qt::Key(key));
    QTest::qWait(20);
    QVERIFY(logo.isVisible());
}

void TestFrmLogo::windowManagerCloseDoesNothing()
{
    FrmLogo logo;
    logo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&logo));
    // As the window manager asks it to close (Alt+F4).
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        logo.windowHandle());
    QVERIFY(logo.isVisible());
}

// The one test that waits on real time: the timer runs from the window's creation.
void TestFrmLogo::namedForScreenReaders()
{
    // The window has no title: assistive technology names it after the program and describes
    // its picture.
    FrmLogo logo;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&logo);
    QCOMPARE(iface->role(), QAccessible::Dialog);
    QCOMPARE(iface->text(QAccessible::Name), QString("Резистор"));
    QCOMPARE(iface->text(QAccessible::Description),
             QString("Заставка программы: надпись «Резистор для Linux, Windows и macOS» и два "
                     "нарисованных резистора. Щелчок или пять секунд закрывают её."));
}

void TestFrmLogo::timerHidesAfterFiveSeconds()
{
    QElapsedTimer sinceCreation;
    sinceCreation.start();
    FrmLogo logo;
    QTest::qWait(300); // time spent before the modal show still counts
    QVERIFY2(execWithFailSafe([&logo] { return logo.exec(); },
                              [&logo] { logo.done(QDialog::Rejected); }, 5000 + kWaitMs),
             "the splash window's timer did not hide it");
    const qint64 shown = sinceCreation.elapsed();
    qInfo("hidden by its timer after %lld ms", shown);
    QVERIFY2(shown >= 5000, qPrintable(QString::number(shown)));
    QVERIFY2(shown < 8000, qPrintable(QString::number(shown)));
    QVERIFY(!logo.isVisible());
}

QTEST_MAIN(TestFrmLogo)
#include "test_frm_logo.moc"
