#pragma once

#include <QFont>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// A font object holding a QFont. Counted; free with DeleteObject. A new
// context holds the stock default font, which is the application's font at
// the time it is used.
HFONT CreateFontFromQFont(const QFont& font);

// The QFont of a font object (the application's font for the stock font or an
// unknown handle).
QFont FontOf(HFONT font);

}  // namespace platform::raster
