#pragma once

#include <cstdint>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Ternary raster operations. Bits 16..23 of the code are the truth table: for
// pattern P (the destination context's brush), source S and destination D,
// the result bit is bit (P * 4 + S * 2 + D) of that byte. Every code is
// evaluated from its byte, so any code works, named or not.
using ROP = std::uint32_t;
constexpr ROP SRCCOPY = 0x00CC0020;
constexpr ROP SRCPAINT = 0x00EE0086;
constexpr ROP SRCAND = 0x008800C6;
constexpr ROP SRCINVERT = 0x00660046;
constexpr ROP SRCERASE = 0x00440328;
constexpr ROP NOTSRCCOPY = 0x00330008;
constexpr ROP NOTSRCERASE = 0x001100A6;
constexpr ROP MERGECOPY = 0x00C000CA;
constexpr ROP MERGEPAINT = 0x00BB0226;
constexpr ROP PATCOPY = 0x00F00021;
constexpr ROP PATPAINT = 0x00FB0A09;
constexpr ROP PATINVERT = 0x005A0049;
constexpr ROP DSTINVERT = 0x00550009;
constexpr ROP BLACKNESS = 0x00000042;
constexpr ROP WHITENESS = 0x00FF0062;

// Copies a w x h block from (xSrc, ySrc) of `src` to (x, y) of `dst`, combined
// by `rop`. `src` may be 0 for codes that do not use the source.
//
// Formats: a colour source onto a monochrome destination gives 1 (white) where
// the source pixel equals the source context's background colour and 0
// elsewhere; a monochrome source onto a colour destination paints 1 in the
// destination's background colour and 0 in its text colour. The part of the
// block that falls outside either bitmap is left undone.
bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, ROP rop);

// Copies the wSrc x hSrc block of `src` onto the w x h block of `dst`, with
// the platform's default stretching mode (BLACKONWHITE): a destination pixel
// takes the bitwise AND of every source pixel that falls on it when the block
// shrinks, and source pixels are repeated when it grows. Equal sizes are a
// plain BitBlt. Source pixels outside the source bitmap count as 0 (black).
// Sizes that are not positive draw nothing (false).
bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, int wSrc,
                int hSrc, ROP rop);

}  // namespace platform::raster
