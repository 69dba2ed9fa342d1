#pragma once

#include <QApplication>

// The application object. It is the one place where a run-time error that no handler caught
// is met: the user is told which error it was, and the program ends with a non-zero exit code.
class ResistorApplication : public QApplication
{
    Q_OBJECT

public:
    static constexpr int kRunTimeErrorExitCode = 1;

    ResistorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportAndEnd(const QString& errorName);
    bool ending_ = false;
};
