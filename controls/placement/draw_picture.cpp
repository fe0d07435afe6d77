#include "controls/placement/checked_int32.h"
#include "controls/placement/placement.h"
#include "controls/shared/colour_blit.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/dc.h"
#include "platform/raster/draw_state.h"
#include "platform/raster/objects.h"

namespace controls::placement {
namespace {

constexpr platform::raster::OLE_COLOR kWhite = 0xFFFFFF;

// Two memory contexts holding a bitmap of the picture's own size (A, a) and
// one of the size it is drawn at (B, b); everything is released when the
// scratch goes out of scope.
struct Scratch {
    platform::raster::HDC A, B;
    platform::raster::HBITMAP a, b, oldA, oldB;

    Scratch(platform::raster::HDC surface, const PlacementInputs& in) {
        A = platform::raster::CreateCompatibleDC(surface);
        a = platform::raster::CreateCompatibleBitmap(surface, in.OriginalPicSizeW,
                                                     in.OriginalPicSizeH);
        B = platform::raster::CreateCompatibleDC(surface);
        b = platform::raster::CreateCompatibleBitmap(surface, in.PictureWidth, in.PictureHeight);
        oldA = platform::raster::SelectObject(A, a);
        oldB = platform::raster::SelectObject(B, b);
    }
    ~Scratch() {
        platform::raster::SelectObject(A, oldA);
        platform::raster::SelectObject(B, oldB);
        platform::raster::DeleteObject(a);
        platform::raster::DeleteObject(b);
        platform::raster::DeleteDC(A);
        platform::raster::DeleteDC(B);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

}  // namespace

void Placement::DrawPicture(const PlacementInputs& in, PlacementSurface& surface) {
    if (!in.g_Picture) return;
    platform::raster::RECT p = g_PictureRect;
    if (in.g_Pressed)
        p = platform::raster::RECT{Add32(p.left, 1), Add32(p.top, 1), Add32(p.right, 1),
                                   Add32(p.bottom, 1)};
    switch (in.g_Picture->Type()) {
        case platform::raster::PictureType::Bitmap:
            DrawBitmap(in, surface, in.Enabled, p);
            break;
        case platform::raster::PictureType::Icon:
            DrawIconPic(in, surface, in.Enabled, p);
            break;
        default:
            break;
    }
}

// Enabled: the bitmap at its own size, scaled to the drawn size, then laid on
// the surface without its MaskColor pixels. Disabled: the bitmap over white
// (its MaskColor pixels staying white), scaled, then drawn embossed, which
// leaves the white out.
void Placement::DrawBitmap(const PlacementInputs& in, PlacementSurface& surface, bool enabled,
                           const platform::raster::RECT& area) {
    const platform::raster::HDC s = surface.hDC();
    const int ow = in.OriginalPicSizeW;
    const int oh = in.OriginalPicSizeH;
    const int pw = in.PictureWidth;
    const int ph = in.PictureHeight;
    Scratch k(s, in);
    if (enabled) {
        platform::raster::DrawStateA(k.A, {}, in.g_Picture->Handle(), 0, 0, 0, 0,
                                     platform::raster::DST_BITMAP);
        platform::raster::StretchBlt(k.B, 0, 0, pw, ph, k.A, 0, 0, ow, oh,
                                     platform::raster::SRCCOPY);
        shared::BlitTransparent(s, s, k.B, 0, 0, pw, ph, area.left, area.top, in.MaskColor);
        return;
    }
    const platform::raster::HDC c = platform::raster::CreateCompatibleDC(s);
    const platform::raster::HBITMAP oldC =
        platform::raster::SelectObject(c, in.g_Picture->Bitmap());
    platform::raster::SetBkColor(k.A, kWhite);
    shared::DrawRect(k.A, 0, 0, ow, oh, kWhite, true);
    shared::BlitTransparent(k.A, k.A, c, 0, 0, ow, oh, 0, 0, in.MaskColor);
    platform::raster::StretchBlt(k.B, 0, 0, pw, ph, k.A, 0, 0, ow, oh, platform::raster::SRCCOPY);
    platform::raster::SelectObject(k.B, k.oldB);
    platform::raster::DrawStateA(s, {}, k.b.id, area.left, area.top, 0, 0,
                                 platform::raster::DST_BITMAP | platform::raster::DSS_DISABLED);
    platform::raster::SelectObject(c, oldC);
    platform::raster::DeleteDC(c);
}

// Enabled: the surface paints the icon stretched to the area with its own
// transparency. Disabled: the icon embossed over black at its own size,
// scaled to the area, then laid on the surface without the black.
void Placement::DrawIconPic(const PlacementInputs& in, PlacementSurface& surface, bool enabled,
                            const platform::raster::RECT& area) {
    const int ow = in.OriginalPicSizeW;
    const int oh = in.OriginalPicSizeH;
    if (enabled) {
        surface.PaintPicture(in.g_Picture, static_cast<float>(area.left),
                             static_cast<float>(area.top),
                             static_cast<float>(Sub32(area.right, area.left)),
                             static_cast<float>(Sub32(area.bottom, area.top)), 0.0f, 0.0f,
                             static_cast<float>(ow), static_cast<float>(oh));
        return;
    }
    const platform::raster::HDC s = surface.hDC();
    Scratch k(s, in);
    platform::raster::DrawStateA(k.A, {}, in.g_Picture->Handle(), 0, 0, 0, 0,
                                 platform::raster::DST_ICON | platform::raster::DSS_DISABLED);
    platform::raster::StretchBlt(k.B, 0, 0, Sub32(area.right, area.left),
                                 Sub32(area.bottom, area.top), k.A, 0, 0, ow, oh,
                                 platform::raster::SRCCOPY);
    shared::BlitTransparent(s, s, k.B, 0, 0, in.PictureWidth, in.PictureHeight, area.left, area.top,
                            0);
}

}  // namespace controls::placement
