#pragma once

#include <limits>

namespace platform {

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -7.5 -> -8). Beyond the range of the result the nearest end is returned;
// NaN gives 0.
long long RoundHalfEven(double value);

[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseOverflow();

// Whole-number division truncating toward zero (-7 / 2 -> -3). A zero divisor
// raises run-time error 11 and a quotient out of range error 6, as BASIC's
// integer division does, instead of stopping the process.
constexpr long long IntDiv(long long a, long long b) {
    if (b == 0) RaiseDivisionByZero();
    if (b == -1 && a == std::numeric_limits<long long>::min()) RaiseOverflow();
    return a / b;
}

}  // namespace platform
