#include "resistor_application.h"

#include "run_time_error.h"

#include <QMessageBox>

namespace
{
const char kErrorTitle[] = "Ошибка выполнения";
}

ResistorApplication::ResistorApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setDesktopFileName(QStringLiteral(RESISTOR_APP_ID));
    // Once the event loop has ended, a later run of it reports its own first error again.
    connect(this, &QCoreApplication::aboutToQuit, this, [this] { ending_ = false; });
}

bool ResistorApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RunTimeError& error) {
        reportAndEnd(QString::fromUtf8(RunTimeError::russianName(error.kind())));
    } catch (const std::exception& error) {
        reportAndEnd(QString::fromLocal8Bit(error.what()));
    }
    return true;
}

void ResistorApplication::reportAndEnd(const QString& errorName)
{
    // Events still pending may raise the same error again while the message is up: report once.
    if (!ending_) {
        ending_ = true;
        QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kErrorTitle), errorName + '.',
                        QMessageBox::Ok);
        box.setObjectName(QStringLiteral("RunTimeErrorBox"));
        box.exec();
    }
    // Leaves every running event loop, the splash window's included.
    exit(kRunTimeErrorExitCode);
}
