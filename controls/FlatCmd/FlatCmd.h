#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

#include "controls/picture_button/picture_button.h"
#include "platform/controlhost/picture_box.h"

namespace controls {

// The instance's fields that have no public property, for whoever inspects
// the control.
struct FlatCmdFields {
    std::int32_t OriginalPicSizeW = 0;
    std::int32_t OriginalPicSizeH = 0;
    platform::raster::PicturePtr g_PictureNormal;
};

// A flat button whose face is one frame of a skin strip (PictureBG): the
// hover frame, the pressed frame and, with Checked, the frame of a selected
// button (Status), with the window's background showing through where the
// frame is magenta, and a caption and an optional picture on top. The
// control is one frame wide and the strip high, and works in pixels.
class FlatCmd : public PictureButton {
    Q_OBJECT
    Q_PROPERTY(bool Status READ Status WRITE SetStatus)
public:
    explicit FlatCmd(QWidget* parent = nullptr);

    bool Status() const { return status_; }
    void SetStatus(bool NewStatus);
    bool Checked() const { return checked_; }
    void SetChecked(bool NewCheck);
    platform::raster::PicturePtr PictureBG() const { return Picture1->Picture(); }
    void SetPictureBG(platform::raster::PicturePtr New_PictureBG);
    platform::raster::OLE_COLOR BackColor() const { return backColor_; }
    void SetBackColor(platform::raster::OLE_COLOR New_BackColor);
    void SetForeColor(platform::raster::OLE_COLOR New_ForeColor);
    bool NoBorderEffect() const { return noBorderEffect_; }
    void SetNoBorderEffect(bool New_NoBorderEffect);
    // The surface's pixel at (Sx, Sy) as the decimal texts of red, green and
    // blue run together ("2550255" for magenta); a point outside reads as
    // white.
    QString GetRGB(const std::int32_t& Sx, const std::int32_t& Sy);

    void UserControl_InitProperties() override;
    void UserControl_ReadProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(platform::controlhost::PropertyBag& PropBag) override;
    void UserControl_Resize() override;

    FlatCmdFields Fields() const;
    const placement::Placement& Layout() const { return placement_; }
    // The frame boxes PicT(0) to PicT(2).
    const platform::controlhost::PictureBox& PicT(int index) const { return *PicT_[index]; }

protected:
    void PaintFace() override;

private:
    struct ParentView;
    ParentView ViewParent() const;
    void PaintBackground();
    void CopyParentBackground();
    void DrawSkin();
    void CutFrames();
    void KeyOutMagenta();

    // What the frame boxes hold was cut from: a strip divided into frames of
    // one width and height.
    struct FrameCut {
        platform::raster::PicturePtr strip;
        int frames = 0;
        float frameWidth = 0;
        double height = 0;
        bool operator==(const FrameCut&) const = default;
    };

    platform::controlhost::PictureBox* Picture1;
    std::array<platform::controlhost::PictureBox*, 3> PicT_;
    bool status_ = false;
    bool checked_ = false;
    bool noBorderEffect_ = false;
    std::optional<FrameCut> lastCut_;
};

}  // namespace controls
