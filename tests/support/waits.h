// SPDX-License-Identifier: MIT
#pragma once

// Waiting for what the event loop delivers later (a window manager's answer, an animated press),
// with a fail-safe: a check that never comes true fails after kWaitMs instead of hanging.
//
// Qt's own QTRY_ macros do the same, but from Qt 6.8 on they narrow their timeout to int
// inside the macro, which -Wconversion reports at every use.

#include <QTest>

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
