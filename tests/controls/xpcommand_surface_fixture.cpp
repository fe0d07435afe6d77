#include "xpcommand_surface_fixture.h"

#include "platform/raster/dc.h"
#include "platform/raster/draw.h"
#include "platform/raster/font.h"
#include "platform/raster/objects.h"
#include "platform/raster/ole_color.h"
#include "platform/raster/sys_color.h"

namespace xptest {

ImageSurface::ImageSurface(int width, int height, platform::raster::COLORREF fill)
    : image_(width, height, QImage::Format_RGB32) {
    dc_ = platform::raster::CreateImageDC(&image_);
    Fill(fill);
}

ImageSurface::~ImageSurface() {
    platform::raster::DeleteDC(dc_);
    if (font_) platform::raster::DeleteObject(font_);
}

void ImageSurface::SelectFont(const QFont& font) {
    const platform::raster::HFONT previous = font_;
    font_ = platform::raster::CreateFontFromQFont(font);
    platform::raster::SelectObject(dc_, font_);
    if (previous) platform::raster::DeleteObject(previous);
}

void ImageSurface::SetForeColor(platform::raster::OLE_COLOR colour) {
    platform::raster::SetDCPenColor(dc_, platform::raster::ResolveOleColor(colour));
}

void ImageSurface::PaintPicture(const platform::raster::PicturePtr& picture, float x, float y,
                                float width, float height, float sourceX, float sourceY,
                                float sourceWidth, float sourceHeight) {
    paintCalls.push_back(
        {picture, {x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight}});
}

void ImageSurface::Fill(platform::raster::COLORREF colour) {
    image_.fill(platform::raster::ToQColor(colour));
}

platform::raster::COLORREF ImageSurface::Pixel(int x, int y) const {
    return platform::raster::GetPixel(dc_, x, y);
}

const std::map<char, platform::raster::COLORREF>& Legend() {
    static const std::map<char, platform::raster::COLORREF> legend = {
        {'-', kGrey},
        {'k', platform::raster::RGB(0, 0, 0)},
        {'r', platform::raster::RGB(255, 0, 0)},
        {'g', platform::raster::RGB(0, 255, 0)},
        {'b', platform::raster::RGB(0, 0, 255)},
        {'h', platform::raster::GetSysColor(platform::raster::COLOR_BTNHIGHLIGHT)},
        {'s', platform::raster::GetSysColor(platform::raster::COLOR_BTNSHADOW)},
    };
    return legend;
}

QImage ImageOf(const Rows& rows) {
    QImage image(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()),
                 QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const char symbol = rows[y][x];
            image.setPixelColor(x, y,
                                symbol == ' ' ? QColor(0, 0, 0, 0)
                                              : platform::raster::ToQColor(Legend().at(symbol)));
        }
    return image;
}

Rows ReadRows(const ImageSurface& surface, const QRect& area) {
    Rows rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::string row;
        for (int x = area.left(); x <= area.right(); ++x) {
            const platform::raster::COLORREF pixel = surface.Pixel(x, y);
            char found = '?';
            for (const auto& [symbol, colour] : Legend())
                if (colour == pixel) {
                    found = symbol;
                    break;
                }
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace xptest
