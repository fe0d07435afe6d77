#include "platform/raster/brush.h"

#include "platform/raster/object_table.h"

namespace platform::raster {

HBRUSH CreateSolidBrush(COLORREF colour) {
    return HBRUSH{detail::AddObject(detail::BrushObject{colour})};
}

COLORREF BrushColor(HBRUSH brush) {
    const auto* object = detail::Find<detail::BrushObject>(brush.id);
    return object ? object->colour : CLR_INVALID;
}

}  // namespace platform::raster

namespace platform::raster::detail {

HBRUSH StockWhiteBrush() {
    static const HBRUSH brush{AddStockObject(BrushObject{0xFFFFFF})};
    return brush;
}

}  // namespace platform::raster::detail
