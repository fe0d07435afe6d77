#pragma once

#include "platform/raster/gdi_types.h"

namespace controls {

// The window shape of a W x H button: the whole window less three pixels at
// each corner (the corner pixel and its neighbour along each edge), which
// with the corner colour gives rounded corners. The caller hands the region
// to the window, which owns it from then on.
platform::raster::HRGN MakeRoundRegion(int W, int H);

}  // namespace controls
