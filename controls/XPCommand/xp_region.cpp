#include "controls/XPCommand/xp_region.h"

#include <utility>

#include "platform/raster/objects.h"
#include "platform/raster/region.h"

namespace controls {

platform::raster::HRGN MakeRoundRegion(int W, int H) {
    const platform::raster::RECT cuts[] = {
        {0, 0, 2, 1}, {0, H - 1, 2, H},     {W - 2, 0, W, 1}, {W - 2, H - 1, W, H},
        {0, 1, 1, 2}, {0, H - 2, 1, H - 1}, {W - 1, 1, W, 2}, {W - 1, H - 2, W, H - 1},
    };
    const platform::raster::HRGN region = platform::raster::CreateRectRgn(0, 0, W, H);
    const platform::raster::HRGN scratch = platform::raster::CreateRectRgn(0, 0, 0, 0);
    // The cuts alternate between the two regions; after the eighth the
    // result is back in `region`.
    platform::raster::HRGN from = region;
    platform::raster::HRGN to = scratch;
    for (const platform::raster::RECT& cut : cuts) {
        const platform::raster::HRGN hole =
            platform::raster::CreateRectRgn(cut.left, cut.top, cut.right, cut.bottom);
        platform::raster::CombineRgn(to, from, hole, platform::raster::RGN_DIFF);
        platform::raster::DeleteObject(hole);
        std::swap(from, to);
    }
    platform::raster::DeleteObject(scratch);
    return region;
}

}  // namespace controls
