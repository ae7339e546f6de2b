#pragma once

#include "RuntimeError.h"

#include <cmath>
#include <cstdint>
#include <limits>

// Values are stored as float; everything between two stores is computed in
// long double, which on x86-64 is the x87 format with a 64-bit significand.
// Double is not enough: 256 / 90 * 45 truncates to 128 in double and to 127
// here. Every division, logarithm, truncation and store goes through these
// helpers, which raise the run-time library's errors.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "long double must carry a 64-bit significand");

namespace Fpu {

// Rounds to single precision, to nearest even; a result beyond the single
// range is an overflow. Underflow passes silently. The largest float plus
// half its last place, (2^25 - 1) * 2^103, is the first value that rounds
// to infinity (its tie goes to the even 2^128). Testing the value before
// the conversion, not the float after it, keeps the test off the chain of
// a running sum, which then waits only for its own store.
inline float Store(Extended value)
{
    constexpr Extended firstOverflow = 0x1FFFFFFp103L;
    if (std::fabs(value) >= firstOverflow)
        throw RuntimeError(ErrorText::Overflow());
    return static_cast<float>(value);
}

// 0 / 0 is invalid, x / 0 a division by zero.
inline Extended Divide(Extended dividend, Extended divisor)
{
    if (divisor == 0.0L)
        throw RuntimeError(dividend == 0.0L || std::isnan(dividend) ? ErrorText::InvalidOperation() : ErrorText::ZeroDivide());
    const Extended quotient = dividend / divisor;
    if (std::isinf(quotient))
        throw RuntimeError(ErrorText::Overflow());
    return quotient;
}

// The logarithm of 0 is a division by zero, of a negative number invalid.
inline Extended Ln(Extended value)
{
    if (value == 0.0L)
        throw RuntimeError(ErrorText::ZeroDivide());
    if (value < 0.0L || std::isnan(value))
        throw RuntimeError(ErrorText::InvalidOperation());
    return std::log(value);
}

// Truncation toward zero into a signed 32-bit integer.
inline std::int32_t Trunc(Extended value)
{
    const Extended truncated = std::trunc(value);
    if (!(truncated >= -2147483648.0L && truncated <= 2147483647.0L))
        throw RuntimeError(ErrorText::InvalidOperation());
    return static_cast<std::int32_t>(truncated);
}

}
