#include "controls/placement/checked_int32.h"
#include "controls/placement/placement.h"
#include "controls/shared/colour_blit.h"
#include "platform/raster/bitmap.h"
#include "platform/raster/blit.h"
#include "platform/raster/dc.h"
#include "platform/raster/draw_state.h"
#include "platform/raster/objects.h"

namespace controls {
namespace {

constexpr raster::OLE_COLOR kWhite = 0xFFFFFF;

// Two memory contexts holding a bitmap of the picture's own size (A, a) and
// one of the size it is drawn at (B, b); everything is released when the
// scratch goes out of scope.
struct Scratch {
    raster::HDC A, B;
    raster::HBITMAP a, b, oldA, oldB;

    Scratch(raster::HDC surface, const PlacementInputs& in) {
        A = raster::CreateCompatibleDC(surface);
        a = raster::CreateCompatibleBitmap(surface, in.OriginalPicSizeW, in.OriginalPicSizeH);
        B = raster::CreateCompatibleDC(surface);
        b = raster::CreateCompatibleBitmap(surface, in.PictureWidth, in.PictureHeight);
        oldA = raster::SelectObject(A, a);
        oldB = raster::SelectObject(B, b);
    }
    ~Scratch() {
        raster::SelectObject(A, oldA);
        raster::SelectObject(B, oldB);
        raster::DeleteObject(a);
        raster::DeleteObject(b);
        raster::DeleteDC(A);
        raster::DeleteDC(B);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

}  // namespace

void Placement::DrawPicture(const PlacementInputs& in, PlacementSurface& surface) {
    if (!in.g_Picture) return;
    raster::RECT p = g_PictureRect;
    if (in.g_Pressed)
        p = raster::RECT{Add32(p.left, 1), Add32(p.top, 1), Add32(p.right, 1), Add32(p.bottom, 1)};
    switch (in.g_Picture->Type()) {
        case raster::PictureType::Bitmap:
            DrawBitmap(in, surface, in.Enabled, p);
            break;
        case raster::PictureType::Icon:
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
                           const raster::RECT& area) {
    const raster::HDC s = surface.hDC();
    const int ow = in.OriginalPicSizeW;
    const int oh = in.OriginalPicSizeH;
    const int pw = in.PictureWidth;
    const int ph = in.PictureHeight;
    Scratch k(s, in);
    if (enabled) {
        raster::DrawStateA(k.A, {}, in.g_Picture->Handle(), 0, 0, 0, 0, raster::DST_BITMAP);
        raster::StretchBlt(k.B, 0, 0, pw, ph, k.A, 0, 0, ow, oh, raster::SRCCOPY);
        BlitTransparent(s, s, k.B, 0, 0, pw, ph, area.left, area.top, in.MaskColor);
        return;
    }
    const raster::HDC c = raster::CreateCompatibleDC(s);
    const raster::HBITMAP oldC = raster::SelectObject(c, in.g_Picture->Bitmap());
    raster::SetBkColor(k.A, kWhite);
    DrawRect(k.A, 0, 0, ow, oh, kWhite, true);
    BlitTransparent(k.A, k.A, c, 0, 0, ow, oh, 0, 0, in.MaskColor);
    raster::StretchBlt(k.B, 0, 0, pw, ph, k.A, 0, 0, ow, oh, raster::SRCCOPY);
    raster::SelectObject(k.B, k.oldB);
    raster::DrawStateA(s, {}, k.b.id, area.left, area.top, 0, 0,
                       raster::DST_BITMAP | raster::DSS_DISABLED);
    raster::SelectObject(c, oldC);
    raster::DeleteDC(c);
}

// Enabled: the surface paints the icon stretched to the area with its own
// transparency. Disabled: the icon embossed over black at its own size,
// scaled to the area, then laid on the surface without the black.
void Placement::DrawIconPic(const PlacementInputs& in, PlacementSurface& surface, bool enabled,
                            const raster::RECT& area) {
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
    const raster::HDC s = surface.hDC();
    Scratch k(s, in);
    raster::DrawStateA(k.A, {}, in.g_Picture->Handle(), 0, 0, 0, 0,
                       raster::DST_ICON | raster::DSS_DISABLED);
    raster::StretchBlt(k.B, 0, 0, Sub32(area.right, area.left), Sub32(area.bottom, area.top), k.A,
                       0, 0, ow, oh, raster::SRCCOPY);
    BlitTransparent(s, s, k.B, 0, 0, in.PictureWidth, in.PictureHeight, area.left, area.top, 0);
}

}  // namespace controls
