#include "controls/FlatCmd/parent_picture_dc.h"

#include "platform/raster/dc.h"

namespace controls {

ParentPictureDC::ParentPictureDC(raster::HDC reference, raster::PicturePtr picture)
    : picture_(std::move(picture)), memory_(raster::CreateCompatibleDC(reference)) {
    if (picture_ && picture_->Bitmap())
        displaced_ = raster::SelectObject(memory_, picture_->Bitmap());
}

ParentPictureDC::~ParentPictureDC() {
    if (displaced_) raster::SelectObject(memory_, displaced_);
    raster::DeleteDC(memory_);
}

}  // namespace controls
