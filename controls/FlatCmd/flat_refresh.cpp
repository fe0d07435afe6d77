#include <cmath>

#include "app/ImgBlt/Capture.h"
#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/frame_choice.h"
#include "controls/FlatCmd/strip_extent.h"
#include "controls/FlatCmd/whole_pixels.h"
#include "controls/shared/colour_blit.h"
#include "platform/raster/blit.h"

namespace controls {

using platform::controlhost::PictureBox;

namespace {

bool HoldsPicture(const platform::raster::PicturePtr& picture) {
    return picture && picture->Handle() != 0;
}

// A frame box holds at least a whole frame at its top left.
void FitFrame(PictureBox& box, float frameWidth, double height) {
    const int width = static_cast<int>(std::ceil(frameWidth));
    const int rows = static_cast<int>(std::ceil(height));
    if (box.width() != width || box.height() != rows) box.Move(box.Left(), box.Top(), width, rows);
}

}  // namespace

// The window's background, then the skin frame of the state, under the
// picture and the caption.
void FlatCmd::PaintFace() {
    PaintBackground();
    if (!noBorderEffect_) DrawSkin();
}

void FlatCmd::PaintBackground() {
    if (transparentBG_) CopyParentBackground();
}

// In a designer the control is outlined in black. The frames are cut afresh
// on every repaint; the chosen one becomes the surface's picture, which
// starts the kept image again from it, so a repaint that chooses none
// leaves the last one in place.
void FlatCmd::DrawSkin() {
    if (!Ambient().UserMode) {
        const int width = WholePixels(ScaleWidth());
        const int height = WholePixels(ScaleHeight());
        shared::DrawRect(hDC(), 0, 0, width, height, 0, false);
        shared::DrawRect(hDC(), 0, 0, width + 1, height + 1, 0, false);
    }
    if (HoldsPicture(Picture1->Picture())) CutFrames();
    const std::optional<int> box =
        ChooseFrame(FrameState{g_Pressed, g_Hover, status_, HoldsPicture(PicT_[0]->Picture()),
                               HoldsPicture(PicT_[1]->Picture())});
    if (!box) return;
    Surface::SetPicture(PicT_[*box]->Picture());
    KeyOutMagenta();
}

// Frame i of the strip, fw wide from column i * fw, into PicT(i); the frame
// width is not rounded before it is used. A two-frame strip leaves PicT(2)
// as it was. A frame's pixels depend on nothing but the strip and how it is
// divided, so frames cut from the same strip in the same way are not cut
// again, and the boxes keep their picture objects.
void FlatCmd::CutFrames() {
    const platform::raster::PicturePtr strip = Picture1->Picture();
    const double height = Picture1->Height();
    const int frames = FrameCount(checked_);
    const auto frameWidth = static_cast<float>(Picture1->Width() / frames);
    const FrameCut cut{strip, frames, frameWidth, height};
    if (lastCut_ == cut) return;
    lastCut_ = cut;
    for (int i = 0; i < frames; ++i) {
        PictureBox& box = *PicT_[i];
        FitFrame(box, frameWidth, height);
        box.PaintPicture(strip, 0, 0, frameWidth, height, static_cast<float>(i) * frameWidth, 0,
                         frameWidth, height, platform::raster::SRCCOPY);
        box.SetPicture(ImgBlt::CaptureToPicture(box.hDC(), 0, 0, WholePixels(frameWidth),
                                                WholePixels(height)));
    }
}

}  // namespace controls
