#include "controls/XPCommand/xp_region.h"

#include <utility>

#include "platform/raster/objects.h"
#include "platform/raster/region.h"

namespace controls {

raster::HRGN MakeRoundRegion(int W, int H) {
    const raster::RECT cuts[] = {
        {0, 0, 2, 1}, {0, H - 1, 2, H},     {W - 2, 0, W, 1}, {W - 2, H - 1, W, H},
        {0, 1, 1, 2}, {0, H - 2, 1, H - 1}, {W - 1, 1, W, 2}, {W - 1, H - 2, W, H - 1},
    };
    const raster::HRGN region = raster::CreateRectRgn(0, 0, W, H);
    const raster::HRGN scratch = raster::CreateRectRgn(0, 0, 0, 0);
    // The cuts alternate between the two regions; after the eighth the
    // result is back in `region`.
    raster::HRGN from = region;
    raster::HRGN to = scratch;
    for (const raster::RECT& cut : cuts) {
        const raster::HRGN hole = raster::CreateRectRgn(cut.left, cut.top, cut.right, cut.bottom);
        raster::CombineRgn(to, from, hole, raster::RGN_DIFF);
        raster::DeleteObject(hole);
        std::swap(from, to);
    }
    raster::DeleteObject(scratch);
    return region;
}

}  // namespace controls
