#pragma once

#include <QString>

#include "platform/raster/draw_text.h"
#include "platform/raster/gdi_types.h"
#include "platform/raster/picture.h"

namespace controls::placement {

// What the caption and picture placement reads from its control. XPCommand
// and FlatCmd fill it from their own members before each use.
struct PlacementInputs {
    QString Caption;
    platform::raster::OLE_COLOR ForeColor = 0;
    bool Enabled = true;
    platform::raster::PicturePtr g_Picture;  // the picture drawn now; nullptr for none
    int PicturePosition = 1;                 // 0 above, 1 left of, 2 right of, 3 below the caption
    int PictureWidth = 16;
    int PictureHeight = 16;
    int OriginalPicSizeW = 0;
    int OriginalPicSizeH = 0;
    platform::raster::OLE_COLOR MaskColor = 0;
    bool g_Pressed = false;
};

// What it needs of the control's drawing surface.
class PlacementSurface {
public:
    virtual ~PlacementSurface() = default;
    // The surface's device context, read afresh on every call.
    virtual platform::raster::HDC hDC() = 0;
    // The surface's size in its scale unit (pixels for both controls).
    virtual double ScaleWidth() = 0;
    virtual double ScaleHeight() = 0;
    // The surface's own picture painting: the source area of `picture` (in
    // pixels of the picture) stretched onto the destination area, keeping
    // the picture's transparency.
    virtual void PaintPicture(const platform::raster::PicturePtr& picture, float x, float y,
                              float width, float height, float sourceX, float sourceY,
                              float sourceWidth, float sourceHeight) = 0;
};

// Places and draws a button's caption and optional picture over its face.
// Each control keeps one; the rectangles live as long as the control and
// CalcLayout rewrites the ones it places on every repaint. Arithmetic that
// leaves the signed 32-bit range raises run-time error 6 (overflow).
class Placement {
public:
    void CalcLayout(const PlacementInputs& in, PlacementSurface& surface);
    // Expects g_CaptionRect equal to g_ContentRect on entry.
    void CalcCaptionRect(const PlacementInputs& in, PlacementSurface& surface);
    void DrawCaption(const PlacementInputs& in, PlacementSurface& surface);
    void DrawPicture(const PlacementInputs& in, PlacementSurface& surface);
    // Only the area's left and top are used.
    void DrawBitmap(const PlacementInputs& in, PlacementSurface& surface, bool enabled,
                    const platform::raster::RECT& area);
    void DrawIconPic(const PlacementInputs& in, PlacementSurface& surface, bool enabled,
                     const platform::raster::RECT& area);

    // The last step of CalcLayout for a picture with a caption: places the
    // picture and the measured g_CaptionRect inside g_ContentRect by
    // PicturePosition.
    void PlacePair(const PlacementInputs& in);

    platform::raster::RECT g_ContentRect;
    platform::raster::RECT g_PictureRect;
    platform::raster::RECT g_CaptionRect;
    platform::raster::DRAWTEXTPARAMS g_TextParams;
};

}  // namespace controls::placement
