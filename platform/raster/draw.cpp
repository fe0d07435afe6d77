#include "platform/raster/draw.h"

#include <cstdlib>

#include "platform/raster/brush.h"
#include "platform/raster/pixels.h"

namespace platform::raster {
namespace {

using detail::Target;

bool Empty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

void PutClipped(const Target& target, int x, int y, COLORREF colour) {
    if (target.Contains(x, y)) detail::PutPixel(target, x, y, colour);
}

}  // namespace

bool FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
    const Target target = detail::TargetOf(dc);
    const COLORREF colour = BrushColor(brush);
    if (!target || colour == CLR_INVALID) return false;
    if (!Empty(rect))
        detail::FillArea(target, rect.left, rect.top, rect.right, rect.bottom, colour);
    return true;
}

bool FrameRect(HDC dc, const RECT& rect, HBRUSH brush) {
    const Target target = detail::TargetOf(dc);
    const COLORREF colour = BrushColor(brush);
    if (!target || colour == CLR_INVALID) return false;
    if (Empty(rect)) return true;
    const auto& [l, t, r, b] = rect;
    detail::FillArea(target, l, t, r, t + 1, colour);
    detail::FillArea(target, l, b - 1, r, b, colour);
    detail::FillArea(target, l, t, l + 1, b, colour);
    detail::FillArea(target, r - 1, t, r, b, colour);
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    detail::DcObject* object = detail::FindDc(dc);
    if (!object) return false;
    const Target target = detail::TargetOf(*object);
    if (!target) return false;
    int cx = object->position.x;
    int cy = object->position.y;
    // Straight lines, which the buttons draw by the dozen, fill their span.
    if (cy == y && cx != x) {
        detail::FillArea(target, cx < x ? cx : x + 1, y, cx < x ? x : cx + 1, y + 1,
                         object->penColor);
        object->position = POINT{x, y};
        return true;
    }
    if (cx == x && cy != y) {
        detail::FillArea(target, x, cy < y ? cy : y + 1, x + 1, cy < y ? y : cy + 1,
                         object->penColor);
        object->position = POINT{x, y};
        return true;
    }
    const int dx = std::abs(x - cx);
    const int dy = -std::abs(y - cy);
    const int sx = cx < x ? 1 : -1;
    const int sy = cy < y ? 1 : -1;
    int error = dx + dy;
    while (cx != x || cy != y) {
        PutClipped(target, cx, cy, object->penColor);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            cx += sx;
        }
        if (doubled <= dx) {
            error += dx;
            cy += sy;
        }
    }
    object->position = POINT{x, y};
    return true;
}

bool SetPixelV(HDC dc, int x, int y, COLORREF colour) {
    const Target target = detail::TargetOf(dc);
    if (!target || !target.Contains(x, y)) return false;
    detail::PutPixel(target, x, y, colour);
    return true;
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const Target target = detail::TargetOf(dc);
    if (!target || !target.Contains(x, y)) return CLR_INVALID;
    return detail::ReadPixel(target, x, y);
}

}  // namespace platform::raster
