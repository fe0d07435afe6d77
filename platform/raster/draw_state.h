#pragma once

#include <cstdint>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// DrawStateA kinds and states.
constexpr unsigned DST_ICON = 0x0003;
constexpr unsigned DST_BITMAP = 0x0004;
constexpr unsigned DSS_DISABLED = 0x0020;

// Draws a bitmap (DST_BITMAP, `image` a bitmap handle's id) or an icon
// (DST_ICON, an icon handle's id) at (x, y) of `dc`, cx x cy of it (0 for
// its own size; it is cut, never scaled). The form without a drawing callback;
// the brush is only for DSS_MONO, which no caller uses, and may be 0.
//
// Normal: a bitmap is copied; an icon is laid over what is there through its
// transparency.
//
// DSS_DISABLED, the embossed look: the image's mask is drawn once at (x + 1,
// y + 1) in the 3D highlight colour (system colour 20), then at (x, y) in the
// button shadow colour (16); pixels outside the mask stay as they were. The
// mask of a bitmap is every pixel that is not white, which is what a copy to
// monochrome with the default white background keeps black; so callers lay
// the picture over white to leave parts out. The mask of an icon is its
// opaque shape (alpha of at least one half).
//
// False for an unknown context, an unknown handle of the kind asked for, or
// any other kind.
bool DrawStateA(HDC dc, HBRUSH brush, std::uint32_t image, int x, int y, int cx, int cy,
                unsigned flags);

}  // namespace platform::raster
