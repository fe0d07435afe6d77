#include "platform/raster/draw_state.h"

#include <algorithm>
#include <vector>

#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/dc.h"
#include "platform/raster/pixels.h"
#include "platform/raster/sys_color.h"

namespace platform::raster {
namespace {

using detail::Target;

constexpr unsigned kKindMask = 0x000F;
constexpr int kHalfOpaque = 128;

struct Mask {
    int width = 0;
    int height = 0;
    std::vector<bool> bits;
    bool At(int x, int y) const { return bits[std::size_t(y) * width + x]; }
};

int Extent(int asked, int own) {
    return asked > 0 ? std::min(asked, own) : own;
}

// A bitmap's mask: its pixels that are not white (on a monochrome bitmap, 0).
Mask BitmapMask(const detail::BitmapObject& bitmap, int w, int h) {
    Mask mask{w, h, std::vector<bool>(std::size_t(w) * h)};
    const Target source{const_cast<QImage*>(&bitmap.image), bitmap.mono};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask.bits[std::size_t(y) * w + x] = detail::ReadPixel(source, x, y) != 0xFFFFFFu;
    return mask;
}

// An icon's mask: its opaque shape.
Mask IconMask(const QImage& icon, int w, int h) {
    Mask mask{w, h, std::vector<bool>(std::size_t(w) * h)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            mask.bits[std::size_t(y) * w + x] = qAlpha(icon.pixel(x, y)) >= kHalfOpaque;
    return mask;
}

void PaintMask(const Target& target, const Mask& mask, int x, int y, COLORREF colour) {
    for (int j = 0; j < mask.height; ++j)
        for (int i = 0; i < mask.width; ++i)
            if (mask.At(i, j) && target.Contains(x + i, y + j))
                detail::PutPixel(target, x + i, y + j, colour);
}

// The embossed look: highlight one pixel right and down, shadow over it.
void Emboss(const Target& target, const Mask& mask, int x, int y) {
    PaintMask(target, mask, x + 1, y + 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    PaintMask(target, mask, x, y, GetSysColor(COLOR_BTNSHADOW));
}

bool CopyBitmap(HDC dc, HBITMAP bitmap, int x, int y, int w, int h) {
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP previous = SelectObject(memory, bitmap);
    const bool done = previous && BitBlt(dc, x, y, w, h, memory, 0, 0, SRCCOPY);
    if (previous) SelectObject(memory, previous);
    DeleteDC(memory);
    return done;
}

bool DrawBitmapState(HDC dc, const Target& target, HBITMAP handle, int x, int y, int cx, int cy,
                     bool disabled) {
    const auto* bitmap = detail::Find<detail::BitmapObject>(handle.id);
    if (!bitmap) return false;
    const int w = Extent(cx, bitmap->image.width());
    const int h = Extent(cy, bitmap->image.height());
    if (!disabled) return CopyBitmap(dc, handle, x, y, w, h);
    Emboss(target, BitmapMask(*bitmap, w, h), x, y);
    return true;
}

std::uint8_t Blend(int over, int under, int alpha) {
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

// Lays the icon over what is there through its alpha channel.
void CompositeIcon(const Target& target, const QImage& icon, int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!target.Contains(x + i, y + j)) continue;
            const QRgb over = icon.pixel(i, j);
            const int alpha = qAlpha(over);
            if (alpha == 0) continue;
            const COLORREF under = detail::ReadPixel(target, x + i, y + j);
            const COLORREF mixed = RGB(Blend(qRed(over), GetRValue(under), alpha),
                                       Blend(qGreen(over), GetGValue(under), alpha),
                                       Blend(qBlue(over), GetBValue(under), alpha));
            detail::PutPixel(target, x + i, y + j, mixed);
        }
    }
}

bool DrawIconState(const Target& target, HICON handle, int x, int y, int cx, int cy,
                   bool disabled) {
    const auto* icon = detail::Find<detail::IconObject>(handle.id);
    if (!icon) return false;
    const int w = Extent(cx, icon->image.width());
    const int h = Extent(cy, icon->image.height());
    if (disabled)
        Emboss(target, IconMask(icon->image, w, h), x, y);
    else
        CompositeIcon(target, icon->image, x, y, w, h);
    return true;
}

}  // namespace

bool DrawStateA(HDC dc, HBRUSH, std::uint32_t image, int x, int y, int cx, int cy, unsigned flags) {
    const Target target = detail::TargetOf(dc);
    if (!target) return false;
    const bool disabled = (flags & DSS_DISABLED) != 0;
    switch (flags & kKindMask) {
        case DST_BITMAP:
            return DrawBitmapState(dc, target, HBITMAP{image}, x, y, cx, cy, disabled);
        case DST_ICON:
            return DrawIconState(target, HICON{image}, x, y, cx, cy, disabled);
        default:
            return false;
    }
}

}  // namespace platform::raster
