#pragma once

#include "platform/raster/gdi_types.h"
#include "platform/raster/picture.h"

namespace controls {

// The parent window's picture selected into a memory context compatible
// with a surface, for copying from it; released, and the picture let go, at
// the end of the scope. A picture that is missing or whose bitmap cannot be
// selected (empty, an icon) leaves the context unusable, and nothing may be
// copied from it then: its stock bitmap would paint over the surface.
class ParentPictureDC {
public:
    ParentPictureDC(platform::raster::HDC reference, platform::raster::PicturePtr picture);
    ~ParentPictureDC();
    ParentPictureDC(const ParentPictureDC&) = delete;
    ParentPictureDC& operator=(const ParentPictureDC&) = delete;

    bool Usable() const { return static_cast<bool>(displaced_); }
    platform::raster::HDC dc() const { return memory_; }

private:
    platform::raster::PicturePtr picture_;
    platform::raster::HDC memory_;
    platform::raster::HBITMAP displaced_;
};

}  // namespace controls
