#pragma once

#include <cstdint>

#include "controls/shared/draw_surface.h"
#include "platform/raster/gdi_types.h"

// The colour and blit procedures that XPCommand and FlatCmd share.
namespace controls::shared {

// The real colour of an OLE colour: 0..&HFFFFFF unchanged; any other value is
// the system colour of its low 24 bits, with no further test (&H1000000 gives
// system colour 0, an unknown index whatever GetSysColor answers).
std::int32_t TranslateColor(platform::raster::OLE_COLOR colour);

// A real colour made lighter (positive amount) or darker (negative): red and
// green move by the amount, blue by blue * amount \ 192, each clamped to
// 0..255. Raises run-time error 6 (overflow) when an intermediate leaves the
// signed 32-bit range.
std::int32_t ShiftColor(std::int32_t colour, std::int32_t amount);

// A one-pixel line from (x1, y1) up to, not including, (x2, y2) on the
// control's own surface, drawn by setting the surface's foreground colour to
// `colour` (untranslated) and using the surface context's pen.
void DrawLine(DrawSurface& surface, int x1, int y1, int x2, int y2,
              platform::raster::OLE_COLOR colour);

// Fills (filled) or frames one pixel wide the rectangle (x1, y1)-(x2, y2),
// right and bottom exclusive, in `colour` translated first.
void DrawRect(platform::raster::HDC dc, int x1, int y1, int x2, int y2,
              platform::raster::OLE_COLOR colour, bool filled);

// Copies the source area (srcLeft, srcTop)-(srcRight, srcBottom) of `source`
// to (dstX, dstY) of `dest`, leaving out every source pixel equal to `key`:
// there `dest` gets the pixel of `background` at the same position. The key
// is compared untranslated, so a system colour value leaves nothing out. Raises run-time error 6
// (overflow) when the width or height leaves -32768..32767, before any context is made. Every
// context and bitmap it makes is deleted before it returns.
void BlitTransparent(platform::raster::HDC dest, platform::raster::HDC background,
                     platform::raster::HDC source, int srcLeft, int srcTop, int srcRight,
                     int srcBottom, int dstX, int dstY, platform::raster::OLE_COLOR key);

}  // namespace controls::shared
