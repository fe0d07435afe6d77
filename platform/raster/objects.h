#pragma once

#include <cstddef>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Deletes a bitmap, brush, region, palette or font. Fails (false) for a handle
// that is unknown or already deleted, and for an object that is selected into a
// device context at the moment (as on the platform; select it out first).
// Stock objects (GetSysColorBrush, the defaults of a new context) are never
// deleted; asking for it succeeds and changes nothing.
bool DeleteObject(HGDIOBJ object);

// Number of live objects that the layer created and that were not deleted yet:
// device contexts, bitmaps, brushes, regions, palettes, fonts and icons. Stock
// objects are not counted. Tests compare it before and after painting.
std::size_t LiveObjectCount();

}  // namespace platform::raster
