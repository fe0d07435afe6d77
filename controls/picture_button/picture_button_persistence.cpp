#include "controls/picture_button/picture_button.h"
#include "platform/controlhost/picture_values.h"
#include "platform/controlhost/variant_values.h"

namespace controls {

using platform::controlhost::PropertyBag;
using platform::controlhost::ToBoolean;
using platform::controlhost::ToLong;

namespace {

const platform::raster::OLE_COLOR kBackColor = platform::raster::SystemOleColor(15);  // button face
constexpr std::int32_t kPicturePosition = 1;  // picture left of the caption
constexpr std::int32_t kPictureSide = 16;
constexpr std::int32_t kNewPictureSize = 2;  // a new control draws pictures at their own size
constexpr platform::raster::OLE_COLOR kMaskColor = 0;

QVariant Stored(const platform::raster::PicturePtr& picture) {
    return platform::controlhost::FromPicture(picture);
}

platform::raster::PicturePtr ReadPicture(const PropertyBag& bag, const char* key) {
    return platform::controlhost::ToPicture(bag.ReadProperty(QLatin1String(key), QVariant()));
}

}  // namespace

// Fields only: no repaint, no resize; the surface keeps its own colours.
// Unlike a loaded instance, a new one starts with empty pictures.
void PictureButton::InitCommonProperties() {
    backColor_ = kBackColor;
    foreColor_ = defaults_.ForeColor;
    Surface::SetFont(AmbientFont());
    SetGFont(AmbientFont());
    picturePosition_ = kPicturePosition;
    pictureWidth_ = kPictureSide;
    pictureHeight_ = kPictureSide;
    pictureSize_ = kNewPictureSize;
    pictureHover_ = platform::raster::Picture::CreateEmpty();
    g_PictureNormal = platform::raster::Picture::CreateEmpty();
    maskColor_ = kMaskColor;
    transparentBG_ = ToBoolean(defaults_.TransparentBG);
}

void PictureButton::ReadColours(const PropertyBag& PropBag) {
    backColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("BackColor"), kBackColor));
    Surface::SetBackColor(backColor_);
    foreColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("ForeColor"), defaults_.ForeColor));
    Surface::SetForeColor(foreColor_);
}

void PictureButton::ReadCaptionAndPicture(const PropertyBag& PropBag) {
    caption_ = platform::controlhost::ToText(
        PropBag.ReadProperty(QStringLiteral("Caption"), Ambient().DisplayName));
    picturePosition_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("PicturePosition"), kPicturePosition));
    g_Picture = ReadPicture(PropBag, "Picture");
}

// The sizes are taken as stored; the PictureSize rule is not applied.
void PictureButton::ReadPictureSizes(const PropertyBag& PropBag) {
    pictureWidth_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureWidth"), kPictureSide));
    pictureHeight_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureHeight"), kPictureSide));
    pictureSize_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("PictureSize"), defaults_.PictureSize));
    originalPicSizeW_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("OriginalPicSizeW"), kPictureSide));
    originalPicSizeH_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("OriginalPicSizeH"), kPictureSide));
}

// The mouse icon goes through its setter, which marks it changed.
void PictureButton::ReadFontAndPointer(const PropertyBag& PropBag) {
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
}

void PictureButton::ReadMaskAndTransparency(const PropertyBag& PropBag) {
    maskColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("MaskColor"), kMaskColor));
    transparentBG_ =
        ToBoolean(PropBag.ReadProperty(QStringLiteral("TransparentBG"), defaults_.TransparentBG));
}

void PictureButton::WriteCaptionAndPicture(PropertyBag& PropBag) const {
    PropBag.WriteProperty(QStringLiteral("Caption"), caption_, Ambient().DisplayName);
    PropBag.WriteProperty(QStringLiteral("PicturePosition"), picturePosition_, kPicturePosition);
    PropBag.WriteProperty(QStringLiteral("Picture"), Stored(g_Picture), QVariant());
}

void PictureButton::WritePictureSizes(PropertyBag& PropBag) const {
    PropBag.WriteProperty(QStringLiteral("PictureWidth"), pictureWidth_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureHeight"), pictureHeight_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureSize"), pictureSize_, defaults_.PictureSize);
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeW"), originalPicSizeW_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeH"), originalPicSizeH_, kPictureSide);
}

void PictureButton::WriteFontAndPointer(PropertyBag& PropBag) const {
    PropBag.WriteProperty(QStringLiteral("PictureHover"), Stored(pictureHover_), QVariant());
    PropBag.WriteProperty(QStringLiteral("Enabled"), UserControl::Enabled(), true);
    PropBag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(Surface::Font()),
                          QVariant::fromValue(Ambient().Font));
    PropBag.WriteProperty(QStringLiteral("MouseIcon"), Stored(MouseIcon()), QVariant());
    PropBag.WriteProperty(QStringLiteral("MousePointer"), UserControl::MousePointer(), 0);
}

void PictureButton::WriteColours(PropertyBag& PropBag) const {
    PropBag.WriteProperty(QStringLiteral("BackColor"), backColor_, kBackColor);
    PropBag.WriteProperty(QStringLiteral("ForeColor"), foreColor_, defaults_.ForeColor);
}

void PictureButton::WriteMaskAndTransparency(PropertyBag& PropBag) const {
    PropBag.WriteProperty(QStringLiteral("MaskColor"), maskColor_, kMaskColor);
    PropBag.WriteProperty(QStringLiteral("TransparentBG"), transparentBG_, defaults_.TransparentBG);
}

}  // namespace controls
