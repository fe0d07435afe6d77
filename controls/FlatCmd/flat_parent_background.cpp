#include <QImage>
#include <algorithm>
#include <vector>

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

// The pixels of the face whose colour text is the key text, column by
// column. Only a blue of 255 ends a colour text in "255" as the key text
// does, so every other pixel is passed over without forming its text.
std::vector<QPoint> KeyPixels(const QImage& face, int width, int height) {
    const QImage image = face.convertToFormat(QImage::Format_RGB32);
    const uchar* bits = image.constBits();
    const qsizetype stride = image.bytesPerLine();
    std::vector<QPoint> found;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const QRgb pixel = reinterpret_cast<const QRgb*>(bits + y * stride)[x];
            if (qBlue(pixel) != 255) continue;
            const auto colour = static_cast<std::int32_t>(
                platform::raster::RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)));
            if (RgbText(colour).View() == kKeyText) found.emplace_back(x, y);
        }
    return found;
}

}  // namespace

// The parent window's picture and where the control lies on it; what cannot
// be read stays empty or 0.
struct FlatCmd::ParentView {
    platform::raster::POINT offset;
    platform::raster::PicturePtr picture;
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
    platform::raster::BitBlt(hDC(), 0, 0, WholePixels(ScaleWidth()), WholePixels(ScaleHeight()),
                             source.dc(), parent.offset.x, parent.offset.y,
                             platform::raster::SRCCOPY);
}

// Every surface pixel whose colour text is the key text takes the window's
// background pixel under it. The test is made on the text, so (25, 50, 255)
// is keyed out as magenta is. The surface's device context draws on the
// image shown now, so its pixels are read from that image, as reading them
// through the context would give them, all before any is replaced.
void FlatCmd::KeyOutMagenta() {
    const ParentView parent = ViewParent();
    const ParentPictureDC source(hDC(), parent.picture);
    if (!source.Usable()) return;
    const platform::raster::HDC surface = hDC();
    const QImage& face = ShownImage();
    const int width = std::min(WholePixels(ScaleWidth()), face.width());
    const int height = std::min(WholePixels(ScaleHeight()), face.height());
    for (const QPoint& at : KeyPixels(face, width, height))
        platform::raster::BitBlt(surface, at.x(), at.y(), 1, 1, source.dc(),
                                 parent.offset.x + at.x(), parent.offset.y + at.y(),
                                 platform::raster::SRCCOPY);
}

QString FlatCmd::GetRGB(const std::int32_t& Sx, const std::int32_t& Sy) {
    const auto colour = static_cast<std::int32_t>(platform::raster::GetPixel(hDC(), Sx, Sy));
    return RgbText(colour).View().toString();
}

}  // namespace controls
