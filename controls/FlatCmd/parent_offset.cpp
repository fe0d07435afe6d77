#include "controls/FlatCmd/parent_offset.h"

#include "controls/FlatCmd/resume_next.h"
#include "platform/basic/rounding.h"
#include "platform/controlhost/scale_units.h"

namespace controls {

platform::raster::POINT ParentOffset(const platform::controlhost::ParentInfo& parent,
                                     const platform::controlhost::ExtenderInfo& extender,
                                     std::int16_t ownScaleMode) {
    double sx = extender.Left;
    double sy = extender.Top;
    if (parent.hwnd != extender.Container.hwnd) {
        sx += extender.Container.Left;
        sy += extender.Container.Top;
    }
    platform::raster::POINT offset;
    ResumeNext([&] {
        offset.x = static_cast<std::int32_t>(platform::basic::RoundHalfEven(
            platform::controlhost::ConvertScale(sx, parent.ScaleMode, ownScaleMode)));
    });
    ResumeNext([&] {
        offset.y = static_cast<std::int32_t>(platform::basic::RoundHalfEven(
            platform::controlhost::ConvertScale(sy, parent.ScaleMode, ownScaleMode)));
    });
    return offset;
}

}  // namespace controls
