#pragma once

#include <QImage>
#include <vector>

#include "controls/placement/placement.h"
#include "controls/shared/draw_surface.h"
#include "platform/raster/gdi_types.h"

namespace xptest {

// A drawing surface over a plain image, standing in for a control's surface
// in tests of the face painting and the placement. Icon painting through
// the surface is recorded, not drawn.
class ImageSurface : public controls::DrawSurface, public controls::PlacementSurface {
public:
    ImageSurface(int width, int height, raster::COLORREF fill);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    raster::HDC hDC() override { return dc_; }
    void SetForeColor(raster::OLE_COLOR colour) override;
    double ScaleWidth() override { return image_.width(); }
    double ScaleHeight() override { return image_.height(); }
    void PaintPicture(const raster::PicturePtr& picture, float x, float y, float width,
                      float height, float sourceX, float sourceY, float sourceWidth,
                      float sourceHeight) override;

    void Fill(raster::COLORREF colour);
    raster::COLORREF Pixel(int x, int y) const;
    const QImage& Image() const { return image_; }

    struct PaintCall {
        raster::PicturePtr picture;
        float args[8];
    };
    std::vector<PaintCall> paintCalls;

private:
    QImage image_;
    raster::HDC dc_;
};

}  // namespace xptest
