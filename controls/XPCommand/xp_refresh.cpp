#include <QEvent>

#include "controls/XPCommand/XPCommand.h"
#include "controls/XPCommand/xp_face.h"
#include "platform/basic/rounding.h"

namespace controls {

// The whole control from its current state, into the surface's kept image:
// the face and its frame, then the picture and the caption over it.
void XPCommand::Refresh() {
    SetAutoRedraw(true);
    Cls();
    paintedEnabled_ = Enabled();
    PaintButton();
    const PlacementInputs in = LayoutInputs();
    placement_.CalcLayout(in, placementSurface_);
    placement_.DrawPicture(in, placementSurface_);
    placement_.DrawCaption(in, placementSurface_);
    SetAutoRedraw(false);
}

void XPCommand::PaintButton() {
    XPFaceInputs in;
    in.W = W_;
    in.H = H_;
    in.BackColor = backColor_;
    in.XPColor_Pressed = xpColorPressed_;
    in.XPColor_Hover = xpColorHover_;
    in.Enabled = Enabled();
    in.g_Pressed = g_Pressed;
    in.g_Hover = g_Hover;
    in.g_HasFocus = g_HasFocus;
    controls::PaintButton(LineSurface(), in,
                          static_cast<int>(platform::RoundHalfEven(ScaleWidth())),
                          static_cast<int>(platform::RoundHalfEven(ScaleHeight())));
}

PlacementInputs XPCommand::LayoutInputs() const {
    PlacementInputs in;
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

void XPCommand::changeEvent(QEvent* event) {
    ButtonControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && paintedEnabled_.has_value() &&
        *paintedEnabled_ != Enabled())
        Refresh();
}

}  // namespace controls
