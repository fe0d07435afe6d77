#pragma once

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Drawing on a context. On a monochrome bitmap a colour becomes 1 (white) when
// it is nearer to white than to black, else 0. Coordinates outside the
// context's bitmap or image are clipped away.

// Colours every pixel with left <= x < right and top <= y < bottom. An empty
// rectangle (right <= left or bottom <= top) draws nothing. False for an
// unknown context or brush.
bool FillRect(HDC dc, const RECT& rect, HBRUSH brush);

// Colours the one-pixel border of the same area: columns left and right - 1,
// rows top and bottom - 1. Nothing for an empty rectangle.
bool FrameRect(HDC dc, const RECT& rect, HBRUSH brush);

// Draws a one-pixel line in the pen colour from the current position up to,
// not including, (x, y), and makes (x, y) the current position.
bool LineTo(HDC dc, int x, int y);

// Sets one pixel; false outside the bitmap.
bool SetPixelV(HDC dc, int x, int y, COLORREF colour);

// The colour of one pixel; CLR_INVALID (all 32 bits set) outside the bitmap.
COLORREF GetPixel(HDC dc, int x, int y);

}  // namespace platform::raster
