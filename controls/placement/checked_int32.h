#pragma once

#include <cstdint>

namespace controls::placement {

// Signed 32-bit arithmetic of the placement: a result outside the range
// raises run-time error 6 (overflow) instead of wrapping.
std::int32_t Add32(std::int64_t a, std::int64_t b);
std::int32_t Sub32(std::int64_t a, std::int64_t b);
// A floating-point value rounded half to even (the runtime's conversion).
std::int32_t Round32(double value);
// (extent - size) \ 2 + start, "\" truncating toward zero: centres `size` in
// an extent that begins at `start`.
std::int32_t Centre32(std::int32_t start, std::int32_t extent, std::int32_t size);

}  // namespace controls::placement
