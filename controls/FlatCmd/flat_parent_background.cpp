#include <QImage>
#include <algorithm>

#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/parent_offset.h"
#include "controls/FlatCmd/parent_picture_dc.h"
#include "controls/FlatCmd/resume_next.h"
#include "controls/FlatCmd/rgb_text.h"
#include "controls/FlatCmd/whole_pixels.h"
#include "platform/raster/blit.h"
#include "platform/raster/draw.h"

namespace controls {

namespace {

std::int32_t ColourAt(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return static_cast<std::int32_t>(raster::RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
}

}  // namespace

// The parent window's picture and where the control lies on it; what cannot
// be read stays empty or 0.
struct FlatCmd::ParentView {
    raster::POINT offset;
    raster::PicturePtr picture;
};

FlatCmd::ParentView FlatCmd::ViewParent() const {
    platform::controlhost::ParentInfo parent;
    ResumeNext([&] { parent = Parent(); });
    ParentView view;
    ResumeNext([&] { view.offset = ParentOffset(parent, Extender(), ScaleMode()); });
    view.picture = parent.Picture;
    return view;
}

// The piece of the window's background under the control, over the whole
// surface, as long as the window shows its picture unscaled from its
// top-left corner.
void FlatCmd::CopyParentBackground() {
    const ParentView parent = ViewParent();
    const ParentPictureDC source(hDC(), parent.picture);
    if (!source.Usable()) return;
    raster::BitBlt(hDC(), 0, 0, WholePixels(ScaleWidth()), WholePixels(ScaleHeight()), source.dc(),
                   parent.offset.x, parent.offset.y, raster::SRCCOPY);
}

// Every surface pixel whose colour text is the key text takes the window's
// background pixel under it. The test is made on the text, so (25, 50, 255)
// is keyed out as magenta is. The surface's device context draws on the
// image shown now, so its pixels are read from that image, as reading them
// through the context would give them.
void FlatCmd::KeyOutMagenta() {
    const ParentView parent = ViewParent();
    const ParentPictureDC source(hDC(), parent.picture);
    if (!source.Usable()) return;
    const raster::HDC surface = hDC();
    const QImage& face = ShownImage();
    const int width = std::min(WholePixels(ScaleWidth()), face.width());
    const int height = std::min(WholePixels(ScaleHeight()), face.height());
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (RgbText(ColourAt(face, x, y)).View() == kKeyText)
                raster::BitBlt(surface, x, y, 1, 1, source.dc(), parent.offset.x + x,
                               parent.offset.y + y, raster::SRCCOPY);
}

QString FlatCmd::GetRGB(const std::int32_t& Sx, const std::int32_t& Sy) {
    const auto colour = static_cast<std::int32_t>(raster::GetPixel(hDC(), Sx, Sy));
    return RgbText(colour).View().toString();
}

}  // namespace controls
