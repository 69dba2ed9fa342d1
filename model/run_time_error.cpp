// SPDX-License-Identifier: MIT
#include "run_time_error.h"

namespace
{

const char* englishName(RunTimeError::Kind kind) noexcept
{
    switch (kind) {
    case RunTimeError::Kind::SubscriptOutOfRange:
        return "subscript out of range";
    case RunTimeError::Kind::Overflow:
        return "overflow";
    case RunTimeError::Kind::FloatingPoint:
        return "floating-point error";
    }
    return "run-time error";
}

} // namespace

RunTimeError::RunTimeError(Kind kind) : std::runtime_error(englishName(kind)), kind_(kind) {}

const char* RunTimeError::russianName(Kind kind) noexcept
{
    switch (kind) {
    case Kind::SubscriptOutOfRange:
        return "Индекс вне допустимого диапазона";
    case Kind::Overflow:
        return "Переполнение";
    case Kind::FloatingPoint:
        return "Ошибка вычислений с плавающей точкой";
    }
    return "Ошибка выполнения";
}
