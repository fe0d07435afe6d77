#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/parent_offset.h"
#include "controls/FlatCmd/parent_picture_dc.h"
#include "controls/FlatCmd/resume_next.h"
#include "controls/FlatCmd/rgb_text.h"
#include "platform/basic/rounding.h"
#include "platform/raster/blit.h"
#include "platform/raster/draw.h"

namespace controls {

namespace {

int Rounded(double value) {
    return static_cast<int>(platform::RoundHalfEven(value));
}

}  // namespace

// The parent window's picture and where the control lies on it; what cannot
// be read stays empty or 0.
struct FlatCmd::ParentView {
    raster::POINT offset;
    raster::PicturePtr picture;
};

FlatCmd::ParentView FlatCmd::ViewParent() const {
    ParentView view;
    ResumeNext([&] { view.offset = ParentOffset(Parent(), Extender(), ScaleMode()); });
    ResumeNext([&] { view.picture = Parent().Picture; });
    return view;
}

// The piece of the window's background under the control, over the whole
// surface, as long as the window shows its picture unscaled from its
// top-left corner.
void FlatCmd::CopyParentBackground() {
    const ParentView parent = ViewParent();
    const ParentPictureDC source(hDC(), parent.picture);
    if (!source.Usable()) return;
    raster::BitBlt(hDC(), 0, 0, Rounded(ScaleWidth()), Rounded(ScaleHeight()), source.dc(),
                   parent.offset.x, parent.offset.y, raster::SRCCOPY);
}

// Every surface pixel whose colour text is the key text takes the window's
// background pixel under it. The test is made on the text, so (25, 50, 255)
// is keyed out as magenta is.
void FlatCmd::KeyOutMagenta() {
    const ParentView parent = ViewParent();
    const ParentPictureDC source(hDC(), parent.picture);
    if (!source.Usable()) return;
    const raster::HDC surface = hDC();
    const int width = Rounded(ScaleWidth());
    const int height = Rounded(ScaleHeight());
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (RgbText(static_cast<std::int32_t>(raster::GetPixel(surface, x, y))).View() ==
                kKeyText)
                raster::BitBlt(surface, x, y, 1, 1, source.dc(), parent.offset.x + x,
                               parent.offset.y + y, raster::SRCCOPY);
}

QString FlatCmd::GetRGB(const std::int32_t& Sx, const std::int32_t& Sy) {
    const auto colour = static_cast<std::int32_t>(raster::GetPixel(hDC(), Sx, Sy));
    return RgbText(colour).View().toString();
}

}  // namespace controls
