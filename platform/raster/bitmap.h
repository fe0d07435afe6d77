#pragma once

#include <QImage>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Bitmaps: colour (32 bits per pixel, the display format) or monochrome (1 bit
// per pixel: 0 black, 1 white). A new bitmap is black. Sizes that are negative
// or too large for memory give 0; a width or height of 0 gives a 1 x 1
// monochrome bitmap, as on the platform. All are counted; free with DeleteObject.

// planes must be 1 and bitsPerPixel 1 or 32; other formats give 0. `bits`
// (may be null) holds the initial rows: for 1 bit, rows padded to 16 bits,
// most significant bit leftmost; for 32 bits, 0x00RRGGBB words.
HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits);

// A bitmap in the format of what `dc` draws on: colour for a surface context
// or a memory context holding a colour bitmap, monochrome for a fresh memory
// context (its default bitmap is monochrome). A dc of 0 means the display.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);

// A new colour bitmap holding a copy of `image` (alpha dropped).
HBITMAP CreateBitmapFromImage(const QImage& image);

// A copy of the bitmap's pixels in Format_RGB32 (monochrome as black and
// white); a null image for an unknown handle.
QImage BitmapToImage(HBITMAP bitmap);

// Width and height in pixels (0, 0 for an unknown handle).
int BitmapWidth(HBITMAP bitmap);
int BitmapHeight(HBITMAP bitmap);
bool IsMonochromeBitmap(HBITMAP bitmap);

}  // namespace platform::raster
