#include "controls/placement/checked_int32.h"

#include <limits>

#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"

namespace controls::placement {
namespace {

std::int32_t Narrow(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw platform::controlhost::Overflow();
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t Add32(std::int64_t a, std::int64_t b) {
    return Narrow(a + b);
}

std::int32_t Sub32(std::int64_t a, std::int64_t b) {
    return Narrow(a - b);
}

std::int32_t Round32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) throw platform::controlhost::Overflow();
    return Narrow(platform::basic::RoundHalfEven(value));
}

std::int32_t Centre32(std::int32_t start, std::int32_t extent, std::int32_t size) {
    return Add32(Sub32(extent, size) / 2, start);
}

}  // namespace controls::placement
