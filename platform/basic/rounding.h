#pragma once

namespace platform::basic {

// Nearest whole number, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -7.5 -> -8). Beyond the range of the result the nearest end is returned;
// NaN gives 0.
long long RoundHalfEven(double value);

}  // namespace platform::basic
