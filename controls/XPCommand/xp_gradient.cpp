#include "controls/XPCommand/xp_gradient.h"

#include "platform/basic/rounding.h"

namespace controls {

float GradientStep(int depth, int height) {
    return static_cast<float>(static_cast<double>(depth) / static_cast<double>(height));
}

int GradientAmount(float step, int line) {
    return static_cast<int>(platform::basic::RoundHalfEven(-static_cast<double>(step) * line));
}

}  // namespace controls
