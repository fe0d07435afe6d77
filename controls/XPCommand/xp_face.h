#pragma once

#include <cstdint>

#include "controls/shared/draw_surface.h"
#include "platform/raster/gdi_types.h"

namespace controls {

// What the face painting reads from the control.
struct XPFaceInputs {
    int W = 0;  // the cached scale width and height, whole pixels
    int H = 0;
    platform::raster::OLE_COLOR BackColor = 0;
    platform::raster::OLE_COLOR XPColor_Pressed = 0;
    platform::raster::OLE_COLOR XPColor_Hover = 0;
    bool Enabled = true;
    bool g_Pressed = false;
    bool g_Hover = false;
    bool g_HasFocus = false;
};

// The face for the current state, then the dark grey ring round the client
// area of sw x sh pixels (the surface's current size).
void PaintButton(shared::DrawSurface& surface, const XPFaceInputs& in, int sw, int sh);

// One face: state 0 normal (with the hover border when `hover`), 2 pressed;
// a disabled control gets the disabled face whatever state and hover say.
void DrawXPFace(shared::DrawSurface& surface, const XPFaceInputs& in, std::uint8_t state,
                bool hover);

// What the faces are drawn from, in the order the faces draw it.
// A vertical gradient of `depth` from `base` (a real colour): line i of 1..H
// goes to row i, or to row H - i when `bottomUp`. Nothing before the first
// resize (H of 0).
void DrawGradient(shared::DrawSurface& surface, int W, int H, std::int32_t base, int depth,
                  bool bottomUp);
// The four diagonal corner pixels in the 3D dark-shadow colour.
void DrawCornerPixels(shared::DrawSurface& surface, int W, int H);
void DrawBevel(shared::DrawSurface& surface, int W, int H, std::int32_t base);
void DrawPressedBevel(shared::DrawSurface& surface, int W, int H, std::int32_t base);
void DrawFocusBorder(shared::DrawSurface& surface, int W, int H,
                     platform::raster::OLE_COLOR colour);
void DrawHoverBorder(shared::DrawSurface& surface, int W, int H,
                     platform::raster::OLE_COLOR colour);

}  // namespace controls
