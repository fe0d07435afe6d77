#include "platform/raster/font.h"

#include <QGuiApplication>

#include "platform/raster/object_table.h"

namespace platform::raster {

HFONT CreateFontFromQFont(const QFont& font) {
    return HFONT{detail::AddObject(detail::FontObject{font})};
}

QFont FontOf(HFONT font) {
    const auto* object = detail::Find<detail::FontObject>(font.id);
    if (!object || !object->font) return QGuiApplication::font();
    return *object->font;
}

}  // namespace platform::raster

namespace platform::raster::detail {

HFONT StockFont() {
    static const HFONT font{AddStockObject(FontObject{})};
    return font;
}

}  // namespace platform::raster::detail
