#include "platform/raster/ole_color.h"

#include "platform/raster/sys_color.h"

namespace platform::raster {

COLORREF ResolveOleColor(OLE_COLOR colour) {
    if (colour >= 0 && colour <= 0xFFFFFF) return static_cast<COLORREF>(colour);
    return GetSysColor(static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFFFFFFu));
}

QColor ToQColor(COLORREF colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace platform::raster
