// SPDX-License-Identifier: MIT
#include "handler_guard.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cstdio>
#include <cstdlib>

namespace HandlerGuard
{

namespace
{

ErrorSink sink;
bool raised = false;

void reportOnStandardError(const QString& name)
{
    std::fprintf(stderr, "%s.\n", name.toLocal8Bit().constData());
    QCoreApplication::exit(kErrorExitCode);
}

} // namespace

void setErrorSink(ErrorSink newSink)
{
    sink = std::move(newSink);
}

void raise(const QString& name) noexcept
{
    if (raised)
        return;
    raised = true;
    try {
        auto* application = QCoreApplication::instance();
        if (!application) {
            reportOnStandardError(name);
            return;
        }
        QMetaObject::invokeMethod(
            application, [name] { (sink ? sink : reportOnStandardError)(name); },
            Qt::QueuedConnection);
    } catch (...) {
        // Not even the report could be queued (out of memory): end without it.
        std::fputs("Run-time error.\n", stderr);
        std::fflush(stderr);
        std::_Exit(kErrorExitCode);
    }
}

bool errorRaised() noexcept
{
    return raised;
}

void reset() noexcept
{
    raised = false;
}

QString errorName(RunTimeError::Kind kind)
{
    return QString::fromUtf8(RunTimeError::russianName(kind));
}

QString outOfMemoryName()
{
    return QStringLiteral("Недостаточно памяти");
}

QString unexpectedErrorName()
{
    return QStringLiteral("Непредвиденная ошибка");
}

} // namespace HandlerGuard
