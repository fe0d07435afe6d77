#pragma once

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// System colour indexes that the program names; GetSysColor takes any.
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;

// The colour of a system colour index in the default Windows XP (blue) scheme;
// 0 for an index outside the table (25 has no colour of its own and gives 0).
COLORREF GetSysColor(int index);

// A stock brush of that colour (not counted, never deleted); 0 for an index
// outside the table.
HBRUSH GetSysColorBrush(int index);

}  // namespace platform::raster
