#pragma once

#include <QColor>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// The real colour of an OLE colour: 0..0xFFFFFF unchanged, any other value the
// system colour of its low 24 bits (0x8000000F is the button face). The
// control host uses it for colours that accept OLE values (a surface's
// ForeColor and BackColor).
COLORREF ResolveOleColor(OLE_COLOR colour);

QColor ToQColor(COLORREF colour);

}  // namespace platform::raster
