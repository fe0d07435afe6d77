#pragma once

#include "platform/basic/rounding.h"

namespace controls {

// A length in pixels as a whole number, a tie going to the even neighbour.
inline int WholePixels(double pixels) {
    return static_cast<int>(platform::basic::RoundHalfEven(pixels));
}

}  // namespace controls
