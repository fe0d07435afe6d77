#include "platform/forms/controls/ole_colour.h"

#include "platform/raster/ole_color.h"

namespace platform::forms::controls {

QColor OleToQColor(quint32 ole) {
    return raster::ToQColor(raster::ResolveOleColor(ole));
}

}  // namespace platform::forms::controls
