#pragma once

#include <QMetaObject>
#include <QString>
#include <cstdint>
#include <optional>

#include "controls/interaction/button_control.h"
#include "controls/placement/host_placement_surface.h"
#include "controls/placement/placement.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"

namespace controls {

// The instance's fields that have no public property, for whoever inspects
// the control.
struct XPCommandFields {
    raster::OLE_COLOR BackColor = 0;  // the face's base colour
    bool ShowBorderOnFocus = false;   // stored only; nothing reads it
    std::int32_t OriginalPicSizeW = 0;
    std::int32_t OriginalPicSizeH = 0;
    raster::PicturePtr g_PictureNormal;
    int W = 0;  // the surface's size in whole pixels, cached by the resize
    int H = 0;
};

// A push button drawn in the manner of the Windows XP theme: a gradient face
// from BackColor with bevel lines, a focus border in tones of
// XPColor_Pressed, a hover border in tones of XPColor_Hover, a pressed and a
// disabled face, a dark grey frame and rounded corners, with a caption and an
// optional picture. Works in pixels.
class XPCommand : public ButtonControl {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    explicit XPCommand(QWidget* parent = nullptr);
    ~XPCommand() override;

    raster::OLE_COLOR XPColor_Pressed() const { return xpColorPressed_; }
    void SetXPColor_Pressed(raster::OLE_COLOR New_XPColor_Pressed);
    raster::OLE_COLOR XPColor_Hover() const { return xpColorHover_; }
    void SetXPColor_Hover(raster::OLE_COLOR New_XPColor_Hover);
    void Refresh() override;
    bool Enabled() const { return UserControl::Enabled(); }
    void SetEnabled(bool New_Enabled);
    platform::controlhost::StdFontRef Font() const { return g_Font; }
    // Copies name, size, bold, italic, underline and strikethrough; run-time
    // error 91 for no font.
    void SetFont(const platform::controlhost::StdFontRef& New_Font);
    platform::controlhost::HWND hwnd() { return hWnd(); }
    std::int32_t MousePointer() const { return UserControl::MousePointer(); }
    // Run-time error 6 (overflow), before anything changes, for a value
    // outside 16 bits.
    void SetMousePointer(std::int32_t New_MousePointer);
    raster::PicturePtr MouseIcon() const { return UserControl::MouseIcon(); }
    void SetMouseIcon(raster::PicturePtr New_MouseIcon);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& New_Caption);
    std::int32_t PicturePosition() const { return picturePosition_; }
    void SetPicturePosition(std::int32_t New_PicturePosition);
    raster::PicturePtr Picture() const { return g_Picture; }
    void SetPicture(raster::PicturePtr New_Picture);
    std::int32_t PictureWidth() const { return pictureWidth_; }
    void SetPictureWidth(std::int32_t New_PictureWidth);
    std::int32_t PictureHeight() const { return pictureHeight_; }
    void SetPictureHeight(std::int32_t New_PictureHeight);
    std::int32_t PictureSize() const { return pictureSize_; }
    void SetPictureSize(std::int32_t New_PictureSize);
    raster::PicturePtr PictureHover() const { return pictureHover_; }
    void SetPictureHover(raster::PicturePtr New_PictureHover);
    raster::OLE_COLOR ForeColor() const { return foreColor_; }
    void SetForeColor(raster::OLE_COLOR New_ForeColor);
    raster::OLE_COLOR MaskColor() const { return maskColor_; }
    void SetMaskColor(raster::OLE_COLOR New_MaskColor);
    bool TransparentBG() const { return transparentBG_; }
    void SetTransparentBG(bool New_TransparentBG);

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void g_Font_FontChanged(const QString& PropertyName);

    XPCommandFields Fields() const;

protected:
    void ShowHoverPicture() override;
    void ShowNormalPicture() override;
    void changeEvent(QEvent* event) override;

private:
    void UserControl_Initialize();
    void UserControl_Terminate();
    void SetGFont(platform::controlhost::StdFontRef font);
    platform::controlhost::StdFontRef AmbientFont() const;
    void PaintButton();
    void MakeRoundRegion();
    PlacementInputs LayoutInputs() const;

    raster::OLE_COLOR xpColorPressed_ = 0;
    raster::OLE_COLOR xpColorHover_ = 0;
    raster::OLE_COLOR backColor_ = 0;
    raster::OLE_COLOR foreColor_ = 0;
    raster::OLE_COLOR maskColor_ = 0;
    bool showBorderOnFocus_ = false;
    bool transparentBG_ = false;
    QString caption_;
    std::int32_t picturePosition_ = 0;
    std::int32_t pictureWidth_ = 0;
    std::int32_t pictureHeight_ = 0;
    std::int32_t pictureSize_ = 0;
    std::int32_t originalPicSizeW_ = 0;
    std::int32_t originalPicSizeH_ = 0;
    raster::PicturePtr g_Picture;
    raster::PicturePtr g_PictureNormal;
    raster::PicturePtr pictureHover_;
    platform::controlhost::StdFontRef g_Font;
    QMetaObject::Connection fontWatch_;
    int W_ = 0;
    int H_ = 0;
    Placement placement_;
    HostPlacementSurface placementSurface_;
    // The Enabled state of the last repaint: a change made on the widget
    // directly (QWidget::setEnabled) repaints as the Enabled property does.
    std::optional<bool> paintedEnabled_;
};

}  // namespace controls
