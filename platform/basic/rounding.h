#pragma once

namespace platform {

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4).
long long RoundHalfEven(double value);

// Whole-number division truncating toward zero (-7 / 2 -> -3).
constexpr long long IntDiv(long long a, long long b) { return a / b; }

}  // namespace platform
