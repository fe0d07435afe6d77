#include "controls/placement/checked_int32.h"
#include "controls/placement/placement.h"
#include "platform/basic/ansi.h"

namespace controls::placement {
namespace {

// Gap between picture and caption.
constexpr int kGap = 4;
// Distance of the content area from the control's edges.
constexpr int kInset = 4;
// DT_CALCRECT | DT_WORDBREAK | DT_VCENTER | DT_CENTER.
constexpr unsigned kMeasureFormat = 0x415;

std::int32_t WidthOf(const platform::raster::RECT& r) {
    return Sub32(r.right, r.left);
}
std::int32_t HeightOf(const platform::raster::RECT& r) {
    return Sub32(r.bottom, r.top);
}

platform::raster::RECT Sized(std::int32_t left, std::int32_t top, std::int32_t width,
                             std::int32_t height) {
    return platform::raster::RECT{left, top, Add32(left, width), Add32(top, height)};
}

}  // namespace

void Placement::CalcLayout(const PlacementInputs& in, PlacementSurface& surface) {
    const platform::raster::RECT client{0, 0, Sub32(Round32(surface.ScaleWidth()), 1),
                                        Sub32(Round32(surface.ScaleHeight()), 1)};
    g_ContentRect = platform::raster::RECT{client.left + kInset, client.top + kInset,
                                           Add32(Sub32(client.right, kInset), 1),
                                           Add32(Sub32(client.bottom, kInset), 1)};
    if (!in.g_Picture) {
        g_CaptionRect = g_ContentRect;
        CalcCaptionRect(in, surface);
        return;
    }
    if (in.Caption.isEmpty()) {
        const platform::raster::RECT& c = g_ContentRect;
        g_PictureRect = Sized(Centre32(c.left, WidthOf(c), in.PictureWidth),
                              Centre32(c.top, HeightOf(c), in.PictureHeight), in.PictureWidth,
                              in.PictureHeight);
        return;
    }
    g_CaptionRect = g_ContentRect;
    CalcCaptionRect(in, surface);
    PlacePair(in);
}

// Stacks picture and caption as one block along one axis, each centred on
// its own across it. Any other position leaves the centred caption and the
// picture where an earlier layout put it.
void Placement::PlacePair(const PlacementInputs& in) {
    const platform::raster::RECT& c = g_ContentRect;
    const std::int32_t cw = WidthOf(g_CaptionRect);
    const std::int32_t ch = HeightOf(g_CaptionRect);
    const std::int32_t pw = in.PictureWidth;
    const std::int32_t ph = in.PictureHeight;
    switch (in.PicturePosition) {
        case 0:
            g_PictureRect = Sized(Centre32(c.left, WidthOf(c), pw),
                                  Centre32(c.top, HeightOf(c), Add32(Add32(ph, kGap), ch)), pw, ph);
            g_CaptionRect =
                Sized(Centre32(c.left, WidthOf(c), cw), Add32(g_PictureRect.bottom, kGap), cw, ch);
            break;
        case 1:
            g_PictureRect = Sized(Centre32(c.left, WidthOf(c), Add32(Add32(pw, kGap), cw)),
                                  Centre32(c.top, HeightOf(c), ph), pw, ph);
            g_CaptionRect =
                Sized(Add32(g_PictureRect.right, kGap), Centre32(c.top, HeightOf(c), ch), cw, ch);
            break;
        case 2:
            g_CaptionRect = Sized(Centre32(c.left, WidthOf(c), Add32(Add32(pw, kGap), cw)),
                                  Centre32(c.top, HeightOf(c), ch), cw, ch);
            g_PictureRect =
                Sized(Add32(g_CaptionRect.right, kGap), Centre32(c.top, HeightOf(c), ph), pw, ph);
            break;
        case 3:
            g_CaptionRect = Sized(Centre32(c.left, WidthOf(c), cw),
                                  Centre32(c.top, HeightOf(c), Add32(Add32(ph, kGap), ch)), cw, ch);
            g_PictureRect =
                Sized(Centre32(c.left, WidthOf(c), pw), Add32(g_CaptionRect.bottom, kGap), pw, ph);
            break;
        default:
            break;
    }
}

void Placement::CalcCaptionRect(const PlacementInputs& in, PlacementSurface& surface) {
    g_TextParams.cbSize = 20;
    g_TextParams.iTabLength = 1;
    g_TextParams.iLeftMargin = 1;
    g_TextParams.iRightMargin = 1;
    platform::raster::DrawTextExA(surface.hDC(), platform::basic::ToAnsi(in.Caption),
                                  static_cast<int>(in.Caption.length()), &g_CaptionRect,
                                  kMeasureFormat, &g_TextParams);
    const platform::raster::RECT& c = g_ContentRect;
    const std::int32_t width = WidthOf(g_CaptionRect);
    const std::int32_t height = HeightOf(g_CaptionRect);
    g_CaptionRect = Sized(Centre32(c.left, WidthOf(c), width), Centre32(c.top, HeightOf(c), height),
                          width, height);
}

}  // namespace controls::placement
