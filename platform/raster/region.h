#pragma once

#include <QRegion>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Regions made of rectangles, in the pixels of a window.

// CombineRgn modes.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// CombineRgn results: the kind of region left in the destination.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// The pixels with left <= x < right and top <= y < bottom; an empty region
// when right <= left or bottom <= top. Counted; free with DeleteObject.
HRGN CreateRectRgn(int left, int top, int right, int bottom);

// dst = a (mode) b; b is not used for RGN_COPY. dst may be a or b. Returns
// the kind of the result, RGN_ERROR for an unknown handle or mode (dst then
// stays as it was).
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);

// The region's pixels as a QRegion (empty for an unknown handle), for a
// widget mask. The control host's SetWindowRgn takes over the region: it
// converts it with this call, keeps the handle as the window's and deletes it
// when a later SetWindowRgn replaces it or the window goes away.
QRegion RegionToQRegion(HRGN region);

}  // namespace platform::raster
