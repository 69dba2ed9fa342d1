// SPDX-License-Identifier: MIT
#pragma once

// Qt calls the program's handlers through its own frames (signal emissions, event delivery,
// timers), which an exception must never cross. Every entry point therefore runs its handler
// inside HandlerGuard::run: an error abandons the rest of that handler and is handed to the
// application, which reports it once control is back in the event loop and ends the program.

#include "run_time_error.h"

#include <QString>

#include <functional>
#include <new>
#include <type_traits>
#include <utility>

namespace HandlerGuard
{

// The program's exit code after an error.
inline constexpr int kErrorExitCode = 1;

// Receives the Russian name of the first error, called from the event loop.
using ErrorSink = std::function<void(const QString& errorName)>;

// The application's report. Without one, an error is written to standard error and the event
// loop ends with exit code 1.
void setErrorSink(ErrorSink sink);

// Records an error and queues its report; errors after the first are not reported again.
void raise(const QString& errorName) noexcept;

// Whether an error has been raised in this run, so that the program is ending.
bool errorRaised() noexcept;

// Starts a fresh run (for tests that end several event loops in one process).
void reset() noexcept;

QString errorName(RunTimeError::Kind kind);
QString outOfMemoryName();
QString unexpectedErrorName();

template <typename Handler> void run(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const RunTimeError& error) {
        raise(errorName(error.kind()));
    } catch (const std::bad_alloc&) {
        raise(outOfMemoryName());
    } catch (...) {
        raise(unexpectedErrorName());
    }
}

// The handler as a slot for connect(), run inside the guard with as many of the signal's
// arguments as it takes (Qt tries the longest list first, hence the test for a fit).
template <typename Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto... args)
               -> std::enable_if_t<std::is_invocable_v<const Handler&, decltype(args)...>> {
        run([&] { handler(args...); });
    };
}

} // namespace HandlerGuard
