#pragma once

#include "platform/raster/gdi_types.h"

namespace controls::shared {

// What DrawLine needs of a control's drawing surface. The control host's
// surface implements it:
// - SetForeColor sets the surface's foreground colour (ForeColor) to an OLE
//   colour, resolving a system colour itself (platform::raster::ResolveOleColor), and
//   keeps the pen of its device context equal to it (platform::raster::SetDCPenColor);
// - hDC is the surface's device context: the context of the kept image while
//   persistent drawing is on, read afresh on every call.
class DrawSurface {
public:
    virtual ~DrawSurface() = default;
    virtual void SetForeColor(platform::raster::OLE_COLOR colour) = 0;
    virtual platform::raster::HDC hDC() = 0;
};

}  // namespace controls::shared
