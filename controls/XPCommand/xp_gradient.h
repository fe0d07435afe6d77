#pragma once

namespace controls {

// The darkening per line of a face gradient: depth / height divided in double
// precision and kept as a single-precision float, as the face was first
// painted. The float matters: 25 / 30 held in single precision lies a little
// below 5 / 6, which decides the rounding of some lines.
float GradientStep(int depth, int height);

// The shade amount of gradient line i (1-based): -step * i, the product
// formed in double precision (where it is exact) and rounded to the nearest
// whole number, a tie going to the even neighbour.
int GradientAmount(float step, int line);

}  // namespace controls
