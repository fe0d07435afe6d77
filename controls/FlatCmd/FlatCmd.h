#pragma once

#include <QMetaObject>
#include <QString>
#include <array>
#include <cstdint>

#include "controls/interaction/button_control.h"
#include "controls/placement/host_placement_surface.h"
#include "controls/placement/placement.h"
#include "platform/controlhost/picture_box.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"

namespace controls {

// The instance's fields that have no public property, for whoever inspects
// the control.
struct FlatCmdFields {
    std::int32_t OriginalPicSizeW = 0;
    std::int32_t OriginalPicSizeH = 0;
    raster::PicturePtr g_PictureNormal;
};

// A flat button whose face is one frame of a skin strip (PictureBG): the
// hover frame, the pressed frame and, with Checked, the frame of a selected
// button (Status), with the window's background showing through where the
// frame is magenta, and a caption and an optional picture on top. The
// control is one frame wide and the strip high, and works in pixels.
class FlatCmd : public ButtonControl {
    Q_OBJECT
    Q_PROPERTY(bool Status READ Status WRITE SetStatus)
public:
    explicit FlatCmd(QWidget* parent = nullptr);
    ~FlatCmd() override;

    void Refresh() override;
    bool Enabled() const { return UserControl::Enabled(); }
    void SetEnabled(bool New_Enabled);
    bool Status() const { return status_; }
    void SetStatus(bool NewStatus);
    bool Checked() const { return checked_; }
    void SetChecked(bool NewCheck);
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
    raster::PicturePtr PictureBG() const { return Picture1->Picture(); }
    void SetPictureBG(raster::PicturePtr New_PictureBG);
    std::int32_t PictureWidth() const { return pictureWidth_; }
    void SetPictureWidth(std::int32_t New_PictureWidth);
    std::int32_t PictureHeight() const { return pictureHeight_; }
    void SetPictureHeight(std::int32_t New_PictureHeight);
    std::int32_t PictureSize() const { return pictureSize_; }
    void SetPictureSize(std::int32_t New_PictureSize);
    raster::PicturePtr PictureHover() const { return pictureHover_; }
    void SetPictureHover(raster::PicturePtr New_PictureHover);
    raster::OLE_COLOR BackColor() const { return backColor_; }
    void SetBackColor(raster::OLE_COLOR New_BackColor);
    raster::OLE_COLOR ForeColor() const { return foreColor_; }
    void SetForeColor(raster::OLE_COLOR New_ForeColor);
    bool NoBorderEffect() const { return noBorderEffect_; }
    void SetNoBorderEffect(bool New_NoBorderEffect);
    raster::OLE_COLOR MaskColor() const { return maskColor_; }
    void SetMaskColor(raster::OLE_COLOR New_MaskColor);
    bool TransparentBG() const { return transparentBG_; }
    void SetTransparentBG(bool New_TransparentBG);
    // The surface's pixel at (Sx, Sy) as the decimal texts of red, green and
    // blue run together ("2550255" for magenta); a point outside reads as
    // white.
    QString GetRGB(const std::int32_t& Sx, const std::int32_t& Sy);

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_Resize() override;
    void g_Font_FontChanged(const QString& PropertyName);

    FlatCmdFields Fields() const;
    const Placement& Layout() const { return placement_; }
    // The frame boxes PicT(0) to PicT(2).
    const platform::controlhost::PictureBox& PicT(int index) const { return *PicT_[index]; }

protected:
    void ShowHoverPicture() override;
    void ShowNormalPicture() override;

private:
    void UserControl_Initialize();
    void UserControl_Terminate();
    void SetGFont(platform::controlhost::StdFontRef font);
    platform::controlhost::StdFontRef AmbientFont() const;
    struct ParentView;
    ParentView ViewParent() const;
    void PaintBackground();
    void CopyParentBackground();
    void DrawSkin();
    void CutFrames();
    void KeyOutMagenta();
    PlacementInputs LayoutInputs() const;

    platform::controlhost::PictureBox* Picture1;
    std::array<platform::controlhost::PictureBox*, 3> PicT_;
    raster::OLE_COLOR backColor_ = 0;
    raster::OLE_COLOR foreColor_ = 0;
    raster::OLE_COLOR maskColor_ = 0;
    bool status_ = false;
    bool checked_ = false;
    bool transparentBG_ = false;
    bool noBorderEffect_ = false;
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
    Placement placement_;
    HostPlacementSurface placementSurface_;
};

}  // namespace controls
