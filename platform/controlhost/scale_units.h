#pragma once

#include <cstdint>

namespace platform::controlhost {

// Scale modes of a drawing surface.
constexpr std::int16_t vbTwips = 1;
constexpr std::int16_t vbPixels = 3;
constexpr std::int16_t vbHimetric = 8;

// 96 dots per inch: 15 twips and 26.458 HIMETRIC per pixel.
constexpr int kTwipsPerPixel = 15;

// A length converted from one scale mode to another (no rounding); run-time
// error 5 for a mode other than the three above.
double ConvertScale(double value, std::int16_t from, std::int16_t to);

// A length in a scale mode as whole pixels, rounded half to even.
int ToPixels(double value, std::int16_t mode);

}  // namespace platform::controlhost
