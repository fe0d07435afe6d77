#include "controls/FlatCmd/parent_picture_dc.h"

#include "platform/raster/dc.h"

namespace controls {

ParentPictureDC::ParentPictureDC(platform::raster::HDC reference,
                                 platform::raster::PicturePtr picture)
    : picture_(std::move(picture)), memory_(platform::raster::CreateCompatibleDC(reference)) {
    if (picture_ && picture_->Bitmap())
        displaced_ = platform::raster::SelectObject(memory_, picture_->Bitmap());
}

ParentPictureDC::~ParentPictureDC() {
    if (displaced_) platform::raster::SelectObject(memory_, displaced_);
    platform::raster::DeleteDC(memory_);
}

}  // namespace controls
