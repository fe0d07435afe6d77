#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <map>
#include <string>
#include <vector>

#include "controls/placement/placement.h"
#include "controls/shared/draw_surface.h"
#include "platform/raster/gdi_types.h"

namespace xptest {

// A drawing surface over a plain image, standing in for a control's surface
// in tests of the face painting and the placement. Icon painting through
// the surface is recorded, not drawn.
class ImageSurface : public controls::shared::DrawSurface,
                     public controls::placement::PlacementSurface {
public:
    ImageSurface(int width, int height, platform::raster::COLORREF fill);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    platform::raster::HDC hDC() override { return dc_; }
    void SetForeColor(platform::raster::OLE_COLOR colour) override;
    double ScaleWidth() override { return image_.width(); }
    double ScaleHeight() override { return image_.height(); }
    void PaintPicture(const platform::raster::PicturePtr& picture, float x, float y, float width,
                      float height, float sourceX, float sourceY, float sourceWidth,
                      float sourceHeight) override;

    // Draws text in `font` from now on (the default is the application's).
    void SelectFont(const QFont& font);
    void Fill(platform::raster::COLORREF colour);
    platform::raster::COLORREF Pixel(int x, int y) const;
    const QImage& Image() const { return image_; }

    struct PaintCall {
        platform::raster::PicturePtr picture;
        float args[8];
    };
    std::vector<PaintCall> paintCalls;

private:
    QImage image_;
    platform::raster::HDC dc_;
    platform::raster::HFONT font_;
};

// Pictures and expected pixels written as rows of characters, one a pixel:
// '-' the grey background of the tests, 'k' black, 'r' red, 'g' green, 'b'
// blue, 'h' the 3D highlight and 's' the button shadow of the system colours,
// ' ' a transparent pixel (icons only).
using Rows = std::vector<std::string>;
constexpr platform::raster::COLORREF kGrey = platform::raster::RGB(128, 128, 128);
const std::map<char, platform::raster::COLORREF>& Legend();
QImage ImageOf(const Rows& rows);
// The surface's pixels in `area` as rows; a colour not in the legend is '?'.
Rows ReadRows(const ImageSurface& surface, const QRect& area);

}  // namespace xptest
