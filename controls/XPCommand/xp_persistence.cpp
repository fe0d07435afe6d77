#include "controls/XPCommand/XPCommand.h"
#include "platform/controlhost/picture_values.h"
#include "platform/controlhost/variant_values.h"

namespace controls {

using platform::controlhost::PropertyBag;
using platform::controlhost::ToBoolean;
using platform::controlhost::ToLong;

namespace {

const raster::OLE_COLOR kBackColor = raster::SystemOleColor(15);  // button face
constexpr raster::OLE_COLOR kForeColor = 0x404040;
constexpr raster::OLE_COLOR kXPColorPressed = 0xE4AD89;
constexpr raster::OLE_COLOR kXPColorHover = 0x30B3F8;
constexpr std::int32_t kPictureSide = 16;

QVariant Stored(const raster::PicturePtr& picture) {
    return platform::controlhost::FromPicture(picture);
}

raster::PicturePtr ReadPicture(const PropertyBag& bag, const char* key) {
    return platform::controlhost::ToPicture(bag.ReadProperty(QLatin1String(key), QVariant()));
}

}  // namespace

// Fields only: no repaint, no resize; the surface keeps its own colours.
void XPCommand::UserControl_InitProperties() {
    backColor_ = kBackColor;
    foreColor_ = kForeColor;
    showBorderOnFocus_ = true;
    Surface::SetFont(AmbientFont());
    SetGFont(AmbientFont());
    caption_ = Ambient().DisplayName;
    picturePosition_ = 1;
    pictureWidth_ = kPictureSide;
    pictureHeight_ = kPictureSide;
    pictureSize_ = 2;
    xpColorPressed_ = kXPColorPressed;
    xpColorHover_ = kXPColorHover;
    pictureHover_ = raster::Picture::CreateEmpty();
    g_PictureNormal = raster::Picture::CreateEmpty();
    maskColor_ = 0;
    transparentBG_ = false;
}

// A key missing from stored data reads as its default; PictureSize then
// reads 1, not the 2 of a new control, and the pictures read as Nothing.
void XPCommand::UserControl_ReadProperties(PropertyBag& PropBag) {
    backColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("BackColor"), kBackColor));
    Surface::SetBackColor(backColor_);
    foreColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("ForeColor"), kForeColor));
    Surface::SetForeColor(foreColor_);
    showBorderOnFocus_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("ShowBorderOnFocus"), true));
    caption_ = platform::controlhost::ToText(
        PropBag.ReadProperty(QStringLiteral("Caption"), Ambient().DisplayName));
    picturePosition_ = ToLong(PropBag.ReadProperty(QStringLiteral("PicturePosition"), 1));
    g_Picture = ReadPicture(PropBag, "Picture");
    pictureWidth_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureWidth"), kPictureSide));
    pictureHeight_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureHeight"), kPictureSide));
    pictureSize_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureSize"), 1));
    originalPicSizeW_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("OriginalPicSizeW"), kPictureSide));
    originalPicSizeH_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("OriginalPicSizeH"), kPictureSide));
    Surface::SetFont(platform::controlhost::ToFont(
        PropBag.ReadProperty(QStringLiteral("Font"), QVariant::fromValue(AmbientFont()))));
    SetGFont(platform::controlhost::ToFont(
        PropBag.ReadProperty(QStringLiteral("Font"), QVariant::fromValue(AmbientFont()))));
    pictureHover_ = ReadPicture(PropBag, "PictureHover");
    g_PictureNormal = ReadPicture(PropBag, "Picture");
    SetMouseIcon(ReadPicture(PropBag, "MouseIcon"));
    UserControl::SetEnabled(ToBoolean(PropBag.ReadProperty(QStringLiteral("Enabled"), true)));
    UserControl::SetMousePointer(
        platform::controlhost::ToInteger(PropBag.ReadProperty(QStringLiteral("MousePointer"), 0)));
    xpColorPressed_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("XPColor_Pressed"), kXPColorPressed));
    xpColorHover_ = ToLong(PropBag.ReadProperty(QStringLiteral("XPColor_Hover"), kXPColorHover));
    maskColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("MaskColor"), 0));
    transparentBG_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("TransparentBG"), false));
    UserControl_Resize();
}

// A value equal to its default is not stored.
void XPCommand::UserControl_WriteProperties(PropertyBag& PropBag) {
    PropBag.WriteProperty(QStringLiteral("Caption"), caption_, Ambient().DisplayName);
    PropBag.WriteProperty(QStringLiteral("PicturePosition"), picturePosition_, 1);
    PropBag.WriteProperty(QStringLiteral("Picture"), Stored(g_Picture), QVariant());
    PropBag.WriteProperty(QStringLiteral("PictureWidth"), pictureWidth_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureHeight"), pictureHeight_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureSize"), pictureSize_, 1);
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeW"), originalPicSizeW_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeH"), originalPicSizeH_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureHover"), Stored(pictureHover_), QVariant());
    PropBag.WriteProperty(QStringLiteral("Enabled"), UserControl::Enabled(), true);
    PropBag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(Surface::Font()),
                          QVariant::fromValue(Ambient().Font));
    PropBag.WriteProperty(QStringLiteral("MouseIcon"), Stored(MouseIcon()), QVariant());
    PropBag.WriteProperty(QStringLiteral("MousePointer"), UserControl::MousePointer(), 0);
    PropBag.WriteProperty(QStringLiteral("ShowBorderOnFocus"), showBorderOnFocus_, true);
    PropBag.WriteProperty(QStringLiteral("BackColor"), backColor_, kBackColor);
    PropBag.WriteProperty(QStringLiteral("ForeColor"), foreColor_, kForeColor);
    PropBag.WriteProperty(QStringLiteral("MaskColor"), maskColor_, 0);
    PropBag.WriteProperty(QStringLiteral("TransparentBG"), transparentBG_, false);
    PropBag.WriteProperty(QStringLiteral("XPColor_Pressed"), xpColorPressed_, kXPColorPressed);
    PropBag.WriteProperty(QStringLiteral("XPColor_Hover"), xpColorHover_, kXPColorHover);
}

}  // namespace controls
