// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

// The run-time errors the program can raise. An error is never caught where it arises: it
// travels up to the application, which reports it by name and ends the program.
class RunTimeError : public std::runtime_error
{
public:
    enum class Kind {
        SubscriptOutOfRange, // an index outside an array's bounds
        Overflow,            // an integer result that does not fit its type
        FloatingPoint,       // invalid operation, division by zero or overflow of a double
    };

    explicit RunTimeError(Kind kind);

    Kind kind() const noexcept { return kind_; }

    // The Russian name of the error, UTF-8, as the user is told it.
    static const char* russianName(Kind kind) noexcept;

private:
    Kind kind_;
};
