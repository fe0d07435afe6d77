#include "xpcommand_surface_fixture.h"

#include "platform/raster/dc.h"
#include "platform/raster/draw.h"
#include "platform/raster/ole_color.h"

namespace xptest {

ImageSurface::ImageSurface(int width, int height, raster::COLORREF fill)
    : image_(width, height, QImage::Format_RGB32) {
    dc_ = raster::CreateImageDC(&image_);
    Fill(fill);
}

ImageSurface::~ImageSurface() { raster::DeleteDC(dc_); }

void ImageSurface::SetForeColor(raster::OLE_COLOR colour) {
    raster::SetDCPenColor(dc_, raster::ResolveOleColor(colour));
}

void ImageSurface::PaintPicture(const raster::PicturePtr& picture, float x, float y, float width,
                                float height, float sourceX, float sourceY, float sourceWidth,
                                float sourceHeight) {
    paintCalls.push_back(
        {picture, {x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight}});
}

void ImageSurface::Fill(raster::COLORREF colour) { image_.fill(raster::ToQColor(colour)); }

raster::COLORREF ImageSurface::Pixel(int x, int y) const { return raster::GetPixel(dc_, x, y); }

}  // namespace xptest
