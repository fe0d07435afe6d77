#include "controls/XPCommand/xp_face.h"
#include "controls/XPCommand/xp_gradient.h"
#include "controls/shared/colour_blit.h"
#include "platform/raster/draw.h"

namespace controls {
namespace {

constexpr platform::raster::OLE_COLOR kDarkShadow = platform::raster::SystemOleColor(21);

struct Line {
    int x1, y1, x2, y2;
    int amount;
};

void DrawShaded(shared::DrawSurface& surface, std::int32_t base, const Line& line) {
    shared::DrawLine(surface, line.x1, line.y1, line.x2, line.y2,
                     shared::ShiftColor(base, line.amount));
}

// The border figure that takes the bevel's place: a frame in the property
// colour itself, then five lines in shades of its real colour.
void DrawBorder(shared::DrawSurface& surface, int W, int H, platform::raster::OLE_COLOR colour,
                const int (&a)[5]) {
    shared::DrawRect(surface.hDC(), 1, 2, W - 1, H - 2, colour, false);
    const std::int32_t real = shared::TranslateColor(colour);
    const Line lines[] = {
        {2, H - 2, W - 2, H - 2, a[0]}, {2, 1, W - 2, 1, a[1]},         {1, 2, W - 1, 2, a[2]},
        {2, 3, 2, H - 3, a[3]},         {W - 3, 3, W - 3, H - 3, a[4]},
    };
    for (const Line& line : lines) DrawShaded(surface, real, line);
}

}  // namespace

void DrawGradient(shared::DrawSurface& surface, int W, int H, std::int32_t base, int depth,
                  bool bottomUp) {
    if (H <= 0) return;
    const float step = GradientStep(depth, H);
    for (int i = 1; i <= H; ++i) {
        const int y = bottomUp ? H - i : i;
        shared::DrawLine(surface, 0, y, W, y, shared::ShiftColor(base, GradientAmount(step, i)));
    }
}

void DrawCornerPixels(shared::DrawSurface& surface, int W, int H) {
    const auto colour =
        static_cast<platform::raster::COLORREF>(shared::TranslateColor(kDarkShadow));
    platform::raster::SetPixelV(surface.hDC(), 1, 1, colour);
    platform::raster::SetPixelV(surface.hDC(), 1, H - 2, colour);
    platform::raster::SetPixelV(surface.hDC(), W - 2, 1, colour);
    platform::raster::SetPixelV(surface.hDC(), W - 2, H - 2, colour);
}

void DrawBevel(shared::DrawSurface& surface, int W, int H, std::int32_t base) {
    const Line lines[] = {
        {2, H - 2, W - 2, H - 2, -48}, {1, H - 3, W - 2, H - 3, -32}, {W - 2, 2, W - 2, H - 2, -36},
        {W - 3, 3, W - 3, H - 3, -24}, {2, 1, W - 2, 1, 16},          {1, 2, W - 2, 2, 10},
        {1, 2, 1, H - 2, -5},          {2, 3, 2, H - 3, -10},
    };
    for (const Line& line : lines) DrawShaded(surface, base, line);
}

// Drawn last, the pressed bevel's left inner line runs one pixel longer at
// each end than the normal one and takes those two pixels.
void DrawPressedBevel(shared::DrawSurface& surface, int W, int H, std::int32_t base) {
    const Line lines[] = {
        {2, H - 2, W - 2, H - 2, 16}, {1, H - 3, W - 2, H - 3, 10}, {W - 2, 2, W - 2, H - 2, 5},
        {W - 3, 3, W - 3, H - 3, 0},  {2, 1, W - 2, 1, -32},        {1, 2, W - 2, 2, -24},
        {1, 2, 1, H - 2, -32},        {2, 2, 2, H - 2, -22},
    };
    for (const Line& line : lines) DrawShaded(surface, base, line);
}

void DrawFocusBorder(shared::DrawSurface& surface, int W, int H,
                     platform::raster::OLE_COLOR colour) {
    DrawBorder(surface, W, H, colour, {-33, 65, 50, 31, 31});
}

void DrawHoverBorder(shared::DrawSurface& surface, int W, int H,
                     platform::raster::OLE_COLOR colour) {
    DrawBorder(surface, W, H, colour, {-40, 200, 35, 20, 20});
}

}  // namespace controls
