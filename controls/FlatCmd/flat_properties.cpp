#include <limits>

#include "controls/FlatCmd/FlatCmd.h"
#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"

namespace controls {

namespace {

// PictureSize: 0 draws pictures at 16 x 16, 1 at 32 x 32, 2 at their own
// size; a picture of none counts as 32 x 32.
constexpr std::int32_t kSmall = 16;
constexpr std::int32_t kLarge = 32;

}  // namespace

void FlatCmd::SetEnabled(bool New_Enabled) {
    UserControl::SetEnabled(New_Enabled);
    PropertyChanged(QStringLiteral("Enabled"));
    Refresh();
}

// The selection is set by the window at run time and is not marked changed.
void FlatCmd::SetStatus(bool NewStatus) {
    status_ = NewStatus;
    Refresh();
}

void FlatCmd::SetChecked(bool NewCheck) {
    checked_ = NewCheck;
    UserControl_Resize();
}

// Each attribute set makes the font send its change notification, so the
// control repaints once per attribute.
void FlatCmd::SetFont(const platform::controlhost::StdFontRef& New_Font) {
    if (!New_Font) throw platform::controlhost::ObjectNotSet();
    const platform::controlhost::StdFontRef from = New_Font;
    g_Font->SetName(from->Name());
    g_Font->SetSize(from->Size());
    g_Font->SetBold(from->Bold());
    g_Font->SetItalic(from->Italic());
    g_Font->SetUnderline(from->Underline());
    g_Font->SetStrikethrough(from->Strikethrough());
    PropertyChanged(QStringLiteral("Font"));
}

void FlatCmd::g_Font_FontChanged(const QString& /*PropertyName*/) {
    Surface::SetFont(g_Font);
    Refresh();
}

void FlatCmd::SetMousePointer(std::int32_t New_MousePointer) {
    if (New_MousePointer < std::numeric_limits<std::int16_t>::min() ||
        New_MousePointer > std::numeric_limits<std::int16_t>::max())
        throw platform::controlhost::Overflow();
    UserControl::SetMousePointer(static_cast<std::int16_t>(New_MousePointer));
    PropertyChanged(QStringLiteral("MousePointer"));
}

void FlatCmd::SetMouseIcon(raster::PicturePtr New_MouseIcon) {
    UserControl::SetMouseIcon(std::move(New_MouseIcon));
    PropertyChanged(QStringLiteral("MouseIcon"));
}

void FlatCmd::SetCaption(const QString& New_Caption) {
    caption_ = New_Caption;
    PropertyChanged(QStringLiteral("Caption"));
    Refresh();
}

void FlatCmd::SetPicturePosition(std::int32_t New_PicturePosition) {
    picturePosition_ = New_PicturePosition;
    PropertyChanged(QStringLiteral("PicturePosition"));
    Refresh();
}

// A new picture replaces a hover picture being shown at once. Only
// "Picture" is marked, although the drawn size may follow it.
void FlatCmd::SetPicture(raster::PicturePtr New_Picture) {
    g_Picture = New_Picture;
    g_PictureNormal = std::move(New_Picture);
    if (!g_Picture) {
        originalPicSizeW_ = kLarge;
        originalPicSizeH_ = kLarge;
    } else {
        originalPicSizeW_ = static_cast<std::int32_t>(
            platform::RoundHalfEven(ScaleX(g_Picture->Width(), platform::controlhost::vbHimetric)));
        originalPicSizeH_ = static_cast<std::int32_t>(platform::RoundHalfEven(
            ScaleY(g_Picture->Height(), platform::controlhost::vbHimetric)));
    }
    PropertyChanged(QStringLiteral("Picture"));
    if (pictureSize_ == 2) {
        pictureWidth_ = originalPicSizeW_;
        pictureHeight_ = originalPicSizeH_;
    }
    Refresh();
}

// The strip box takes the strip's size, and the control one frame of it.
void FlatCmd::SetPictureBG(raster::PicturePtr New_PictureBG) {
    Picture1->SetPicture(std::move(New_PictureBG));
    UserControl_Resize();
    PropertyChanged(QStringLiteral("PictureBG"));
}

void FlatCmd::SetPictureWidth(std::int32_t New_PictureWidth) {
    pictureWidth_ = New_PictureWidth;
    PropertyChanged(QStringLiteral("PictureWidth"));
    Refresh();
}

void FlatCmd::SetPictureHeight(std::int32_t New_PictureHeight) {
    pictureHeight_ = New_PictureHeight;
    PropertyChanged(QStringLiteral("PictureHeight"));
    Refresh();
}

// Any other value is stored and keeps the sizes.
void FlatCmd::SetPictureSize(std::int32_t New_PictureSize) {
    pictureSize_ = New_PictureSize;
    PropertyChanged(QStringLiteral("PictureSize"));
    switch (pictureSize_) {
        case 0:
            pictureWidth_ = pictureHeight_ = kSmall;
            break;
        case 1:
            pictureWidth_ = pictureHeight_ = kLarge;
            break;
        case 2:
            pictureWidth_ = g_Picture ? originalPicSizeW_ : kLarge;
            pictureHeight_ = g_Picture ? originalPicSizeH_ : kLarge;
            break;
        default:
            break;
    }
    Refresh();
}

// The hover picture waits for the next time the pointer enters.
void FlatCmd::SetPictureHover(raster::PicturePtr New_PictureHover) {
    pictureHover_ = std::move(New_PictureHover);
    PropertyChanged(QStringLiteral("PictureHover"));
}

void FlatCmd::SetBackColor(raster::OLE_COLOR New_BackColor) {
    backColor_ = New_BackColor;
    PropertyChanged(QStringLiteral("BackColor"));
    Surface::SetBackColor(New_BackColor);
    Refresh();
}

// The caption's colour; the surface's own foreground colour is set only
// when stored data are read.
void FlatCmd::SetForeColor(raster::OLE_COLOR New_ForeColor) {
    foreColor_ = New_ForeColor;
    PropertyChanged(QStringLiteral("ForeColor"));
    Refresh();
}

void FlatCmd::SetNoBorderEffect(bool New_NoBorderEffect) {
    noBorderEffect_ = New_NoBorderEffect;
    PropertyChanged(QStringLiteral("NoBorderEffect"));
    Refresh();
}

void FlatCmd::SetMaskColor(raster::OLE_COLOR New_MaskColor) {
    maskColor_ = New_MaskColor;
    PropertyChanged(QStringLiteral("MaskColor"));
    Refresh();
}

void FlatCmd::SetTransparentBG(bool New_TransparentBG) {
    transparentBG_ = New_TransparentBG;
    PropertyChanged(QStringLiteral("TransparentBG"));
    Refresh();
}

void FlatCmd::ShowHoverPicture() {
    if (pictureHover_) g_Picture = pictureHover_;
}

void FlatCmd::ShowNormalPicture() {
    g_Picture = g_PictureNormal;
}

FlatCmdFields FlatCmd::Fields() const {
    return FlatCmdFields{originalPicSizeW_, originalPicSizeH_, g_PictureNormal};
}

}  // namespace controls
