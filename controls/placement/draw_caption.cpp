#include "controls/placement/checked_int32.h"
#include "controls/placement/placement.h"
#include "controls/shared/colour_blit.h"
#include "platform/basic/ansi.h"
#include "platform/raster/dc.h"

namespace controls::placement {
namespace {

// DT_CENTER | DT_VCENTER | DT_WORDBREAK.
constexpr unsigned kDrawFormat = 21;
constexpr platform::raster::OLE_COLOR kHighlight = platform::raster::SystemOleColor(20);
constexpr platform::raster::OLE_COLOR kShadow = platform::raster::SystemOleColor(16);

platform::raster::COLORREF Real(platform::raster::OLE_COLOR colour) {
    return static_cast<platform::raster::COLORREF>(shared::TranslateColor(colour));
}

}  // namespace

// A pressed button draws its caption one pixel right and down. A disabled
// caption is embossed: a highlight copy one pixel right and down, in a
// rectangle one pixel shorter so that its last row is cut off, under a
// shadow copy in place.
void Placement::DrawCaption(const PlacementInputs& in, PlacementSurface& surface) {
    if (in.Caption.isEmpty()) return;
    platform::raster::SetTextColor(surface.hDC(), Real(in.ForeColor));
    platform::raster::RECT r = g_CaptionRect;
    if (in.g_Pressed)
        r = platform::raster::RECT{Add32(r.left, 1), Add32(r.top, 1), Add32(r.right, 1),
                                   Add32(r.bottom, 1)};
    const QByteArray text = platform::basic::ToAnsi(in.Caption);
    const int count = static_cast<int>(in.Caption.length());
    if (in.Enabled) {
        platform::raster::DrawTextExA(surface.hDC(), text, count, &r, kDrawFormat, &g_TextParams);
        return;
    }
    platform::raster::SetTextColor(surface.hDC(), Real(kHighlight));
    platform::raster::RECT highlight{Add32(r.left, 1), Add32(r.top, 1), Add32(r.right, 1),
                                     r.bottom};
    platform::raster::DrawTextExA(surface.hDC(), text, count, &highlight, kDrawFormat,
                                  &g_TextParams);
    platform::raster::SetTextColor(surface.hDC(), Real(kShadow));
    platform::raster::DrawTextExA(surface.hDC(), text, count, &r, kDrawFormat, &g_TextParams);
}

}  // namespace controls::placement
