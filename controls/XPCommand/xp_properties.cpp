#include <limits>

#include "controls/XPCommand/XPCommand.h"
#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"

namespace controls {

namespace {

// PictureSize: 0 draws pictures at 16 x 16, 1 at 32 x 32, 2 at their own
// size; a picture of Nothing counts as 32 x 32.
constexpr std::int32_t kSmall = 16;
constexpr std::int32_t kLarge = 32;

}  // namespace

void XPCommand::SetXPColor_Pressed(raster::OLE_COLOR New_XPColor_Pressed) {
    xpColorPressed_ = New_XPColor_Pressed;
    PropertyChanged(QStringLiteral("XPColor_Pressed"));
}

void XPCommand::SetXPColor_Hover(raster::OLE_COLOR New_XPColor_Hover) {
    xpColorHover_ = New_XPColor_Hover;
    PropertyChanged(QStringLiteral("XPColor_Hover"));
}

void XPCommand::SetEnabled(bool New_Enabled) {
    // The repaint below is the setter's one; the widget's own notice of the
    // change must not add a second.
    paintedEnabled_.reset();
    UserControl::SetEnabled(New_Enabled);
    PropertyChanged(QStringLiteral("Enabled"));
    Refresh();
}

// Each attribute set makes the font send its change notification, so the
// control repaints once per attribute.
void XPCommand::SetFont(const platform::controlhost::StdFontRef& New_Font) {
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

void XPCommand::g_Font_FontChanged(const QString& /*PropertyName*/) {
    Surface::SetFont(g_Font);
    Refresh();
}

void XPCommand::SetMousePointer(std::int32_t New_MousePointer) {
    if (New_MousePointer < std::numeric_limits<std::int16_t>::min() ||
        New_MousePointer > std::numeric_limits<std::int16_t>::max())
        throw platform::controlhost::Overflow();
    UserControl::SetMousePointer(static_cast<std::int16_t>(New_MousePointer));
    PropertyChanged(QStringLiteral("MousePointer"));
}

void XPCommand::SetMouseIcon(raster::PicturePtr New_MouseIcon) {
    UserControl::SetMouseIcon(std::move(New_MouseIcon));
    PropertyChanged(QStringLiteral("MouseIcon"));
}

void XPCommand::SetCaption(const QString& New_Caption) {
    caption_ = New_Caption;
    PropertyChanged(QStringLiteral("Caption"));
    Refresh();
}

void XPCommand::SetPicturePosition(std::int32_t New_PicturePosition) {
    picturePosition_ = New_PicturePosition;
    PropertyChanged(QStringLiteral("PicturePosition"));
    Refresh();
}

// A new picture replaces a hover picture being shown at once.
void XPCommand::SetPicture(raster::PicturePtr New_Picture) {
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

void XPCommand::SetPictureWidth(std::int32_t New_PictureWidth) {
    pictureWidth_ = New_PictureWidth;
    PropertyChanged(QStringLiteral("PictureWidth"));
    Refresh();
}

void XPCommand::SetPictureHeight(std::int32_t New_PictureHeight) {
    pictureHeight_ = New_PictureHeight;
    PropertyChanged(QStringLiteral("PictureHeight"));
    Refresh();
}

// Any other value is stored and keeps the sizes.
void XPCommand::SetPictureSize(std::int32_t New_PictureSize) {
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
void XPCommand::SetPictureHover(raster::PicturePtr New_PictureHover) {
    pictureHover_ = std::move(New_PictureHover);
    PropertyChanged(QStringLiteral("PictureHover"));
}

void XPCommand::SetForeColor(raster::OLE_COLOR New_ForeColor) {
    foreColor_ = New_ForeColor;
    PropertyChanged(QStringLiteral("ForeColor"));
    Surface::SetForeColor(New_ForeColor);
    Refresh();
}

void XPCommand::SetMaskColor(raster::OLE_COLOR New_MaskColor) {
    maskColor_ = New_MaskColor;
    PropertyChanged(QStringLiteral("MaskColor"));
    Refresh();
}

// Stored with the instance; the look does not depend on it.
void XPCommand::SetTransparentBG(bool New_TransparentBG) {
    transparentBG_ = New_TransparentBG;
    PropertyChanged(QStringLiteral("TransparentBG"));
    Refresh();
}

void XPCommand::ShowHoverPicture() {
    if (pictureHover_) g_Picture = pictureHover_;
}

void XPCommand::ShowNormalPicture() {
    g_Picture = g_PictureNormal;
}

XPCommandFields XPCommand::Fields() const {
    return XPCommandFields{
        backColor_, showBorderOnFocus_, originalPicSizeW_, originalPicSizeH_, g_PictureNormal, W_,
        H_};
}

}  // namespace controls
