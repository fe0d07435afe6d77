#include <limits>

#include "controls/picture_button/picture_button.h"
#include "platform/basic/rounding.h"
#include "platform/controlhost/host_errors.h"

namespace controls {

namespace {

// PictureSize: 0 draws pictures at 16 x 16, 1 at 32 x 32, 2 at their own
// size; a picture of none counts as 32 x 32.
constexpr std::int32_t kSmall = 16;
constexpr std::int32_t kLarge = 32;

}  // namespace

void PictureButton::SetEnabled(bool New_Enabled) {
    UserControl::SetEnabled(New_Enabled);
    PropertyChanged(QStringLiteral("Enabled"));
    Refresh();
}

// Each attribute set makes the font send its change notification, so the
// control repaints once per attribute.
void PictureButton::SetFont(const platform::controlhost::StdFontRef& New_Font) {
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

void PictureButton::g_Font_FontChanged(const QString& /*PropertyName*/) {
    Surface::SetFont(g_Font);
    Refresh();
}

void PictureButton::SetMousePointer(std::int32_t New_MousePointer) {
    if (New_MousePointer < std::numeric_limits<std::int16_t>::min() ||
        New_MousePointer > std::numeric_limits<std::int16_t>::max())
        throw platform::controlhost::Overflow();
    UserControl::SetMousePointer(static_cast<std::int16_t>(New_MousePointer));
    PropertyChanged(QStringLiteral("MousePointer"));
}

void PictureButton::SetMouseIcon(platform::raster::PicturePtr New_MouseIcon) {
    UserControl::SetMouseIcon(std::move(New_MouseIcon));
    PropertyChanged(QStringLiteral("MouseIcon"));
}

void PictureButton::SetCaption(const QString& New_Caption) {
    StoreAndRepaint(caption_, New_Caption, QStringLiteral("Caption"));
}

void PictureButton::SetPicturePosition(std::int32_t New_PicturePosition) {
    StoreAndRepaint(picturePosition_, New_PicturePosition, QStringLiteral("PicturePosition"));
}

// A new picture replaces a hover picture being shown at once. Only
// "Picture" is marked, although the drawn size may follow it.
void PictureButton::SetPicture(platform::raster::PicturePtr New_Picture) {
    g_Picture = New_Picture;
    g_PictureNormal = std::move(New_Picture);
    if (!g_Picture) {
        originalPicSizeW_ = kLarge;
        originalPicSizeH_ = kLarge;
    } else {
        originalPicSizeW_ = static_cast<std::int32_t>(platform::basic::RoundHalfEven(
            ScaleX(g_Picture->Width(), platform::controlhost::vbHimetric)));
        originalPicSizeH_ = static_cast<std::int32_t>(platform::basic::RoundHalfEven(
            ScaleY(g_Picture->Height(), platform::controlhost::vbHimetric)));
    }
    PropertyChanged(QStringLiteral("Picture"));
    if (pictureSize_ == 2) {
        pictureWidth_ = originalPicSizeW_;
        pictureHeight_ = originalPicSizeH_;
    }
    Refresh();
}

void PictureButton::SetPictureWidth(std::int32_t New_PictureWidth) {
    StoreAndRepaint(pictureWidth_, New_PictureWidth, QStringLiteral("PictureWidth"));
}

void PictureButton::SetPictureHeight(std::int32_t New_PictureHeight) {
    StoreAndRepaint(pictureHeight_, New_PictureHeight, QStringLiteral("PictureHeight"));
}

// Any other value is stored and keeps the sizes.
void PictureButton::SetPictureSize(std::int32_t New_PictureSize) {
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
void PictureButton::SetPictureHover(platform::raster::PicturePtr New_PictureHover) {
    pictureHover_ = std::move(New_PictureHover);
    PropertyChanged(QStringLiteral("PictureHover"));
}

void PictureButton::SetMaskColor(platform::raster::OLE_COLOR New_MaskColor) {
    StoreAndRepaint(maskColor_, New_MaskColor, QStringLiteral("MaskColor"));
}

void PictureButton::SetTransparentBG(bool New_TransparentBG) {
    StoreAndRepaint(transparentBG_, New_TransparentBG, QStringLiteral("TransparentBG"));
}

void PictureButton::ShowHoverPicture() {
    if (pictureHover_) g_Picture = pictureHover_;
}

void PictureButton::ShowNormalPicture() {
    g_Picture = g_PictureNormal;
}

}  // namespace controls
