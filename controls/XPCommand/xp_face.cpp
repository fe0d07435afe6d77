#include "controls/XPCommand/xp_face.h"

#include "controls/shared/colour_blit.h"

namespace controls {
namespace {

constexpr platform::raster::OLE_COLOR kOuterFrame = 0x4B4B4B;
constexpr int kNormalDepth = 25;
constexpr int kPressedDepth = 15;
constexpr int kDisabledDepth = 50;
constexpr int kLighten = 48;
constexpr int kPressedDarken = -32;

// Both enabled faces and the disabled one start from the same lightened base.
std::int32_t NormalBase(const XPFaceInputs& in) {
    return shared::ShiftColor(shared::TranslateColor(in.BackColor), kLighten);
}

void NormalFace(shared::DrawSurface& surface, const XPFaceInputs& in, bool hover) {
    const std::int32_t base = NormalBase(in);
    DrawGradient(surface, in.W, in.H, base, kNormalDepth, false);
    DrawCornerPixels(surface, in.W, in.H);
    if (in.g_HasFocus)
        DrawFocusBorder(surface, in.W, in.H, in.XPColor_Pressed);
    else
        DrawBevel(surface, in.W, in.H, base);
    if (hover) DrawHoverBorder(surface, in.W, in.H, in.XPColor_Hover);
}

// Two shifts in a row: each clamps, so this is not one shift of +16.
void PressedFace(shared::DrawSurface& surface, const XPFaceInputs& in) {
    const std::int32_t base = shared::ShiftColor(NormalBase(in), kPressedDarken);
    DrawGradient(surface, in.W, in.H, base, kPressedDepth, true);
    DrawCornerPixels(surface, in.W, in.H);
    DrawPressedBevel(surface, in.W, in.H, base);
}

void DisabledFace(shared::DrawSurface& surface, const XPFaceInputs& in) {
    const std::int32_t base = NormalBase(in);
    DrawGradient(surface, in.W, in.H, base, kDisabledDepth, false);
    DrawCornerPixels(surface, in.W, in.H);
    DrawBevel(surface, in.W, in.H, base);
}

}  // namespace

void PaintButton(shared::DrawSurface& surface, const XPFaceInputs& in, int sw, int sh) {
    if (in.g_Pressed)
        DrawXPFace(surface, in, 2, false);
    else
        DrawXPFace(surface, in, 0, in.g_Hover);
    shared::DrawRect(surface.hDC(), 0, 0, sw, sh, kOuterFrame, false);
}

void DrawXPFace(shared::DrawSurface& surface, const XPFaceInputs& in, std::uint8_t state,
                bool hover) {
    shared::DrawRect(surface.hDC(), 0, 0, in.W, in.H, in.BackColor, true);
    if (!in.Enabled) {
        DisabledFace(surface, in);
        return;
    }
    if (state == 0)
        NormalFace(surface, in, hover);
    else if (state == 2)
        PressedFace(surface, in);
}

}  // namespace controls
