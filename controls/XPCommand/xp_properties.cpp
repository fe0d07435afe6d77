#include "controls/XPCommand/XPCommand.h"

namespace controls {

void XPCommand::SetXPColor_Pressed(platform::raster::OLE_COLOR New_XPColor_Pressed) {
    xpColorPressed_ = New_XPColor_Pressed;
    PropertyChanged(QStringLiteral("XPColor_Pressed"));
}

void XPCommand::SetXPColor_Hover(platform::raster::OLE_COLOR New_XPColor_Hover) {
    xpColorHover_ = New_XPColor_Hover;
    PropertyChanged(QStringLiteral("XPColor_Hover"));
}

// The shared setter repaints once; the widget's own notice of the change must
// not add a second.
void XPCommand::SetEnabled(bool New_Enabled) {
    paintedEnabled_.reset();
    PictureButton::SetEnabled(New_Enabled);
}

// Unlike FlatCmd's, it also sets the surface's foreground colour.
void XPCommand::SetForeColor(platform::raster::OLE_COLOR New_ForeColor) {
    foreColor_ = New_ForeColor;
    PropertyChanged(QStringLiteral("ForeColor"));
    Surface::SetForeColor(New_ForeColor);
    Refresh();
}

XPCommandFields XPCommand::Fields() const {
    return XPCommandFields{
        backColor_, showBorderOnFocus_, originalPicSizeW_, originalPicSizeH_, g_PictureNormal, W_,
        H_};
}

}  // namespace controls
