#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "controls/picture_button/picture_button.h"

namespace controls {

// The instance's fields that have no public property, for whoever inspects
// the control.
struct XPCommandFields {
    platform::raster::OLE_COLOR BackColor = 0;  // the face's base colour
    bool ShowBorderOnFocus = false;             // stored only; nothing reads it
    std::int32_t OriginalPicSizeW = 0;
    std::int32_t OriginalPicSizeH = 0;
    platform::raster::PicturePtr g_PictureNormal;
    int W = 0;  // the surface's size in whole pixels, cached by the resize
    int H = 0;
};

// A push button drawn in the manner of the Windows XP theme: a gradient face
// from BackColor with bevel lines, a focus border in tones of
// XPColor_Pressed, a hover border in tones of XPColor_Hover, a pressed and a
// disabled face, a dark grey frame and rounded corners, with a caption and an
// optional picture. Works in pixels.
class XPCommand : public PictureButton {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit XPCommand(QWidget* parent = nullptr);

    platform::raster::OLE_COLOR XPColor_Pressed() const { return xpColorPressed_; }
    void SetXPColor_Pressed(platform::raster::OLE_COLOR New_XPColor_Pressed);
    platform::raster::OLE_COLOR XPColor_Hover() const { return xpColorHover_; }
    void SetXPColor_Hover(platform::raster::OLE_COLOR New_XPColor_Hover);
    void SetForeColor(platform::raster::OLE_COLOR New_ForeColor);
    void SetEnabled(bool New_Enabled);

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_Resize() override;

    XPCommandFields Fields() const;

protected:
    void PaintFace() override;
    void changeEvent(QEvent* event) override;

private:
    void PaintButton();
    void MakeRoundRegion();

    platform::raster::OLE_COLOR xpColorPressed_ = 0;
    platform::raster::OLE_COLOR xpColorHover_ = 0;
    bool showBorderOnFocus_ = false;
    int W_ = 0;
    int H_ = 0;
    // The Enabled state of the last repaint: a change made on the widget
    // directly (QWidget::setEnabled) repaints as the Enabled property does.
    std::optional<bool> paintedEnabled_;
};

}  // namespace controls
