#pragma once

#include <QMetaObject>
#include <QString>
#include <QVariant>
#include <cstdint>

#include "controls/interaction/button_control.h"
#include "controls/placement/host_placement_surface.h"
#include "controls/placement/placement.h"
#include "platform/controlhost/property_bag.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"

namespace controls {

// Where the stored data of XPCommand and FlatCmd part: the keys both store
// whose defaults differ between the two.
struct PictureButtonDefaults {
    platform::raster::OLE_COLOR ForeColor = 0;
    std::int32_t PictureSize = 0;
    // A number for FlatCmd, a Boolean for XPCommand; a stored True (-1)
    // equals the one but not the other.
    QVariant TransparentBG;
};

// What XPCommand and FlatCmd share: a caption and an optional picture (with
// a hover picture and a drawn size) laid over a face that each paints in its
// own way, the font object whose changes repaint the control, the mouse
// pointer, and the stored keys of all of that. A control paints its face in
// PaintFace; Refresh lays the picture and the caption over it. Works in
// pixels.
class PictureButton : public interaction::ButtonControl {
    Q_OBJECT
public:
    PictureButton(const interaction::ButtonEventNumbers& events,
                  const PictureButtonDefaults& defaults, QWidget* parent);
    ~PictureButton() override;

    // The whole control from its current state, into the surface's kept
    // image: the face, then the picture and the caption over it.
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
    platform::raster::PicturePtr MouseIcon() const { return UserControl::MouseIcon(); }
    void SetMouseIcon(platform::raster::PicturePtr New_MouseIcon);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& New_Caption);
    std::int32_t PicturePosition() const { return picturePosition_; }
    void SetPicturePosition(std::int32_t New_PicturePosition);
    platform::raster::PicturePtr Picture() const { return g_Picture; }
    void SetPicture(platform::raster::PicturePtr New_Picture);
    std::int32_t PictureWidth() const { return pictureWidth_; }
    void SetPictureWidth(std::int32_t New_PictureWidth);
    std::int32_t PictureHeight() const { return pictureHeight_; }
    void SetPictureHeight(std::int32_t New_PictureHeight);
    std::int32_t PictureSize() const { return pictureSize_; }
    void SetPictureSize(std::int32_t New_PictureSize);
    platform::raster::PicturePtr PictureHover() const { return pictureHover_; }
    void SetPictureHover(platform::raster::PicturePtr New_PictureHover);
    platform::raster::OLE_COLOR ForeColor() const { return foreColor_; }
    platform::raster::OLE_COLOR MaskColor() const { return maskColor_; }
    void SetMaskColor(platform::raster::OLE_COLOR New_MaskColor);
    bool TransparentBG() const { return transparentBG_; }
    void SetTransparentBG(bool New_TransparentBG);

    void g_Font_FontChanged(const QString& PropertyName);

protected:
    // Paints the face under the picture and the caption.
    virtual void PaintFace() = 0;
    // What most setters do: store the value, mark `key` changed, repaint.
    template <class T>
    void StoreAndRepaint(T& field, const T& value, const QString& key) {
        field = value;
        PropertyChanged(key);
        Refresh();
    }
    void ShowHoverPicture() override;
    void ShowNormalPicture() override;

    // The fields both controls start a new instance with; the caption and
    // each control's own fields are left to it.
    void InitCommonProperties();
    // The stored keys both controls read, in groups, each in the order the
    // controls read them.
    void ReadColours(const platform::controlhost::PropertyBag& PropBag);
    void ReadCaptionAndPicture(const platform::controlhost::PropertyBag& PropBag);
    void ReadPictureSizes(const platform::controlhost::PropertyBag& PropBag);
    void ReadFontAndPointer(const platform::controlhost::PropertyBag& PropBag);
    void ReadMaskAndTransparency(const platform::controlhost::PropertyBag& PropBag);
    // Likewise for saving; a value equal to its default is not stored.
    void WriteCaptionAndPicture(platform::controlhost::PropertyBag& PropBag) const;
    void WritePictureSizes(platform::controlhost::PropertyBag& PropBag) const;
    void WriteFontAndPointer(platform::controlhost::PropertyBag& PropBag) const;
    void WriteColours(platform::controlhost::PropertyBag& PropBag) const;
    void WriteMaskAndTransparency(platform::controlhost::PropertyBag& PropBag) const;

    platform::raster::OLE_COLOR backColor_ = 0;
    platform::raster::OLE_COLOR foreColor_ = 0;
    platform::raster::OLE_COLOR maskColor_ = 0;
    bool transparentBG_ = false;
    QString caption_;
    std::int32_t picturePosition_ = 0;
    std::int32_t pictureWidth_ = 0;
    std::int32_t pictureHeight_ = 0;
    std::int32_t pictureSize_ = 0;
    std::int32_t originalPicSizeW_ = 0;
    std::int32_t originalPicSizeH_ = 0;
    platform::raster::PicturePtr g_Picture;
    platform::raster::PicturePtr g_PictureNormal;
    platform::raster::PicturePtr pictureHover_;
    placement::Placement placement_;

private:
    void UserControl_Initialize();
    void UserControl_Terminate();
    void SetGFont(platform::controlhost::StdFontRef font);
    platform::controlhost::StdFontRef AmbientFont() const;
    placement::PlacementInputs LayoutInputs() const;

    const PictureButtonDefaults defaults_;
    platform::controlhost::StdFontRef g_Font;
    QMetaObject::Connection fontWatch_;
    placement::HostPlacementSurface placementSurface_;
};

}  // namespace controls
