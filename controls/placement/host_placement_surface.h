#pragma once

#include "controls/placement/placement.h"
#include "platform/controlhost/surface.h"

namespace controls::placement {

// A control host's surface as the surface the placement draws on.
class HostPlacementSurface : public PlacementSurface {
public:
    explicit HostPlacementSurface(platform::controlhost::Surface& surface) : surface_(surface) {}

    platform::raster::HDC hDC() override { return surface_.hDC(); }
    double ScaleWidth() override { return surface_.ScaleWidth(); }
    double ScaleHeight() override { return surface_.ScaleHeight(); }
    void PaintPicture(const platform::raster::PicturePtr& picture, float x, float y, float width,
                      float height, float sourceX, float sourceY, float sourceWidth,
                      float sourceHeight) override {
        surface_.PaintPicture(picture, x, y, width, height, sourceX, sourceY, sourceWidth,
                              sourceHeight);
    }

private:
    platform::controlhost::Surface& surface_;
};

}  // namespace controls::placement
