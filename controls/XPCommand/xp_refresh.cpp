#include <QEvent>

#include "controls/XPCommand/XPCommand.h"
#include "controls/XPCommand/xp_face.h"
#include "platform/basic/rounding.h"

namespace controls {

// The face and its frame, under the picture and the caption.
void XPCommand::PaintFace() {
    paintedEnabled_ = Enabled();
    PaintButton();
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
                          static_cast<int>(platform::basic::RoundHalfEven(ScaleWidth())),
                          static_cast<int>(platform::basic::RoundHalfEven(ScaleHeight())));
}

void XPCommand::changeEvent(QEvent* event) {
    PictureButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && paintedEnabled_.has_value() &&
        *paintedEnabled_ != Enabled())
        Refresh();
}

}  // namespace controls
