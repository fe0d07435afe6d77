#include "platform/basic/rounding.h"

#include <cmath>
#include <limits>

namespace platform::basic {

long long RoundHalfEven(double value) {
    using Limits = std::numeric_limits<long long>;
    // 2^63 is exact in a double; every double below it converts safely.
    constexpr double kTop = 9223372036854775808.0;
    if (std::isnan(value)) return 0;
    if (value >= kTop) return Limits::max();
    if (value < -kTop) return Limits::min();
    const double below = std::floor(value);
    const double fraction = value - below;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0);
    return static_cast<long long>(below) + (up ? 1 : 0);
}

}  // namespace platform::basic
