#include "controls/picture_button/picture_button.h"

namespace controls {

void PictureButton::Refresh() {
    SetAutoRedraw(true);
    Cls();
    PaintFace();
    const placement::PlacementInputs in = LayoutInputs();
    placement_.CalcLayout(in, placementSurface_);
    placement_.DrawPicture(in, placementSurface_);
    placement_.DrawCaption(in, placementSurface_);
    SetAutoRedraw(false);
}

placement::PlacementInputs PictureButton::LayoutInputs() const {
    placement::PlacementInputs in;
    in.Caption = caption_;
    in.ForeColor = foreColor_;
    in.Enabled = Enabled();
    in.g_Picture = g_Picture;
    in.PicturePosition = picturePosition_;
    in.PictureWidth = pictureWidth_;
    in.PictureHeight = pictureHeight_;
    in.OriginalPicSizeW = originalPicSizeW_;
    in.OriginalPicSizeH = originalPicSizeH_;
    in.MaskColor = maskColor_;
    in.g_Pressed = g_Pressed;
    return in;
}

}  // namespace controls
