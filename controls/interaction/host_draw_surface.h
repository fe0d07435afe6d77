#pragma once

#include "controls/shared/draw_surface.h"
#include "platform/controlhost/surface.h"

namespace controls::interaction {

// A control host's surface as the surface that DrawLine draws on: the
// foreground colour is the surface's, which also sets the pen of its
// device context.
class HostDrawSurface : public shared::DrawSurface {
public:
    explicit HostDrawSurface(platform::controlhost::Surface& surface) : surface_(surface) {}

    void SetForeColor(platform::raster::OLE_COLOR colour) override {
        surface_.SetForeColor(colour);
    }
    platform::raster::HDC hDC() override { return surface_.hDC(); }

private:
    platform::controlhost::Surface& surface_;
};

}  // namespace controls::interaction
