#pragma once

#include <QCursor>
#include <cstdint>
#include <optional>

#include "platform/raster/picture.h"

namespace platform::controlhost {

// The cursor of a MousePointer value: the standard shapes 1 to 15, and for
// 99 the MouseIcon picture with its hot spot in the middle, as for any icon
// used as a pointer. No cursor of its own (the window's) for 0, for an
// unknown value, and for 99 without a picture.
std::optional<QCursor> CursorFor(std::int16_t mousePointer, const raster::PicturePtr& icon);

}  // namespace platform::controlhost
