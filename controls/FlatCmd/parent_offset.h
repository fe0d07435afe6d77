#pragma once

#include <cstdint>

#include "platform/controlhost/user_control.h"
#include "platform/raster/gdi_types.h"

namespace controls {

// The point of the parent window's picture under a control's top-left pixel,
// in the control's scale mode (pixels for FlatCmd), each coordinate rounded
// half to even. Inside a container other than the window the container's
// own position is added (one level only, its border not counted); the sum is
// converted from the parent window's scale mode whatever the container's
// is. A coordinate that cannot be converted stays 0.
platform::raster::POINT ParentOffset(const platform::controlhost::ParentInfo& parent,
                                     const platform::controlhost::ExtenderInfo& extender,
                                     std::int16_t ownScaleMode);

}  // namespace controls
