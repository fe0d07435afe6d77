#include "platform/basic/rounding.h"

#include <cmath>

namespace platform {

long long RoundHalfEven(double value) { return static_cast<long long>(std::nearbyint(value)); }

}  // namespace platform
