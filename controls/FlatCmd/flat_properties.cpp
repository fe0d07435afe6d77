#include "controls/FlatCmd/FlatCmd.h"

namespace controls {

// The selection is set by the window at run time and is not marked changed.
void FlatCmd::SetStatus(bool NewStatus) {
    status_ = NewStatus;
    Refresh();
}

void FlatCmd::SetChecked(bool NewCheck) {
    checked_ = NewCheck;
    UserControl_Resize();
}

// The strip box takes the strip's size, and the control one frame of it.
void FlatCmd::SetPictureBG(platform::raster::PicturePtr New_PictureBG) {
    Picture1->SetPicture(std::move(New_PictureBG));
    UserControl_Resize();
    PropertyChanged(QStringLiteral("PictureBG"));
}

void FlatCmd::SetBackColor(platform::raster::OLE_COLOR New_BackColor) {
    backColor_ = New_BackColor;
    PropertyChanged(QStringLiteral("BackColor"));
    Surface::SetBackColor(New_BackColor);
    Refresh();
}

// The caption's colour; the surface's own foreground colour is set only
// when stored data are read.
void FlatCmd::SetForeColor(platform::raster::OLE_COLOR New_ForeColor) {
    StoreAndRepaint(foreColor_, New_ForeColor, QStringLiteral("ForeColor"));
}

void FlatCmd::SetNoBorderEffect(bool New_NoBorderEffect) {
    StoreAndRepaint(noBorderEffect_, New_NoBorderEffect, QStringLiteral("NoBorderEffect"));
}

FlatCmdFields FlatCmd::Fields() const {
    return FlatCmdFields{originalPicSizeW_, originalPicSizeH_, g_PictureNormal};
}

}  // namespace controls
