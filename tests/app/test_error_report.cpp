// A run-time error that no handler catches reaches the application object, which names it in
// a message box and ends the event loop with a non-zero exit code.
#include "../main_window/window_driver.h"
#include "frm_general.h"
#include "resistor_application.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include <functional>

using StateChange = std::function<void(BandState&)>;
Q_DECLARE_METATYPE(StateChange)

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void errorIsReportedAndEndsTheProgram_data();
    void errorIsReportedAndEndsTheProgram();
};

void TestErrorReport::errorIsReportedAndEndsTheProgram_data()
{
    QTest::addColumn<StateChange>("change");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("message");

    QTest::newRow("subscript out of range: band 5 selected")
        << StateChange([](BandState& s) { s.CurLine = 5; }) << "swcColor_3"
        << "Индекс вне допустимого диапазона.";
    QTest::newRow("overflow: strip top of code -32768") << StateChange([](BandState& s) {
        s.LineColor[1] = -32768;
        s.CurLine = 2;
    }) << "swcColor_3"
                                                        << "Переполнение.";
    QTest::newRow("floating-point error: multiplier 10^400")
        << StateChange([](BandState& s) { s.LineColor[3] = 400; }) << "btnLimit_0"
        << "Ошибка вычислений с плавающей точкой.";
}

void TestErrorReport::errorIsReportedAndEndsTheProgram()
{
    QFETCH(StateChange, change);
    QFETCH(QString, click);
    QFETCH(QString, message);

    FrmGeneral window;
    BandState state;
    state.setInitial();
    change(state);
    window.setBandStateForTest(state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QString reported;
    QTimer closeReport;
    connect(&closeReport, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            reported = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closeReport.start(10);
    QTimer::singleShot(0, &window, [&] {
        auto* target = control<QWidget>(&window, click);
        clickThroughWindow(target, qobject_cast<QRadioButton*>(target) ? QPoint(8, 6) : QPoint());
    });
    QTimer failSafe;
    connect(&failSafe, &QTimer::timeout, qApp, [] { QApplication::exit(99); });
    failSafe.start(10000);

    QCOMPARE(QApplication::exec(), ResistorApplication::kRunTimeErrorExitCode);
    QCOMPARE(reported, message);
}

int main(int argc, char* argv[])
{
    ResistorApplication app(argc, argv);
    TestErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_error_report.moc"
