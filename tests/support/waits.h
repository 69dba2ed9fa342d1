// SPDX-License-Identifier: MIT
#pragma once

// Waiting for what the event loop delivers later (a window manager's answer, an animated press),
// and running event loops that the test expects to end, with a fail-safe: a check that never
// comes true, or a loop that nothing ends, fails after kWaitMs instead of hanging.
//
// Qt's own QTRY_ macros do the same, but from Qt 6.8 on they narrow their timeout to int
// inside the macro, which -Wconversion reports at every use.

#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <optional>

constexpr int kWaitMs = 5000;

// Waits until `actual == expected`, then compares them (so a failure shows both values; the
// wait's own result adds nothing to that).
#define TRY_COMPARE(actual, expected)                                                              \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return (actual) == (expected); }, kWaitMs));       \
        QCOMPARE(actual, expected);                                                                \
    } while (false)

// Waits until the condition holds, then verifies it.
#define TRY_VERIFY(condition)                                                                      \
    do {                                                                                           \
        static_cast<void>(QTest::qWaitFor([&] { return bool(condition); }, kWaitMs));              \
        QVERIFY(condition);                                                                        \
    } while (false)

// Runs `loop`, an exec() that something the test set up is meant to end, and returns its result.
// Should the loop still run after `limitMs`, `end` ends it and the result is empty.
template <typename Loop, typename End>
std::optional<int> execWithFailSafe(Loop loop, End end, int limitMs = kWaitMs)
{
    bool failSafeFired = false;
    QTimer failSafe;
    failSafe.setSingleShot(true);
    QObject::connect(&failSafe, &QTimer::timeout, &failSafe, [&] {
        failSafeFired = true;
        end();
    });
    failSafe.start(limitMs);
    const int result = loop();
    if (failSafeFired)
        return std::nullopt;
    return result;
}

// Runs the application's event loop, which the test expects to end by itself, and compares its
// exit code; fails after kWaitMs if nothing ends the loop.
#define EXEC_COMPARE_EXIT_CODE(expected)                                                           \
    do {                                                                                           \
        const std::optional<int> exitCode = execWithFailSafe(                                      \
            [] { return QCoreApplication::exec(); }, [] { QCoreApplication::exit(); });            \
        QVERIFY2(exitCode, "nothing ended the event loop; the fail-safe did, after kWaitMs");      \
        QCOMPARE(*exitCode, expected);                                                             \
    } while (false)
