#include "platform/raster/pixels.h"

#include <algorithm>

namespace platform::raster::detail {

bool IsSurfaceFormat(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

Target TargetOf(DcObject& dc) {
    if (dc.external) {
        if (!IsSurfaceFormat(dc.external->format()))
            *dc.external = dc.external->convertToFormat(QImage::Format_RGB32);
        return Target{dc.external, false};
    }
    BitmapObject* bitmap = Find<BitmapObject>(dc.bitmap.id);
    if (!bitmap) return {};
    return Target{&bitmap->image, bitmap->mono};
}

DcObject* FindDc(HDC dc) {
    return Find<DcObject>(dc.id);
}

Target TargetOf(HDC dc) {
    DcObject* object = FindDc(dc);
    return object ? TargetOf(*object) : Target{};
}

void PutPixel(const Target& target, int x, int y, COLORREF colour) {
    if (target.mono)
        target.image->scanLine(y)[x] = ToMono(colour);
    else
        reinterpret_cast<std::uint32_t*>(target.image->scanLine(y))[x] = ToPixel(colour);
}

COLORREF ReadPixel(const Target& target, int x, int y) {
    const QImage& image = *target.image;
    if (target.mono) return image.constScanLine(y)[x] ? 0xFFFFFFu : 0u;
    return ToColorref(reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x]);
}

void FillArea(const Target& target, int left, int top, int right, int bottom, COLORREF colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, target.width());
    bottom = std::min(bottom, target.height());
    if (right <= left || bottom <= top) return;
    for (int y = top; y < bottom; ++y) {
        uchar* line = target.image->scanLine(y);
        if (target.mono) {
            std::fill(line + left, line + right, ToMono(colour));
        } else {
            auto* pixels = reinterpret_cast<std::uint32_t*>(line);
            std::fill(pixels + left, pixels + right, ToPixel(colour));
        }
    }
}

}  // namespace platform::raster::detail
