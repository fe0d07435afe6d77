#pragma once

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// A solid brush of one colour. Counted; free with DeleteObject.
HBRUSH CreateSolidBrush(COLORREF colour);

// The colour of a brush (CLR_INVALID for an unknown handle).
COLORREF BrushColor(HBRUSH brush);

}  // namespace platform::raster
