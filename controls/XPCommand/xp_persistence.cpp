#include "controls/XPCommand/XPCommand.h"
#include "platform/controlhost/variant_values.h"

namespace controls {

using platform::controlhost::PropertyBag;
using platform::controlhost::ToBoolean;
using platform::controlhost::ToLong;

namespace {

constexpr platform::raster::OLE_COLOR kXPColorPressed = 0xE4AD89;
constexpr platform::raster::OLE_COLOR kXPColorHover = 0x30B3F8;

// A loaded instance without "PictureSize" draws pictures at 32 x 32, unlike
// a new one.
PictureButtonDefaults StoredDefaults() {
    return PictureButtonDefaults{0x404040, 1, QVariant(false)};
}

}  // namespace

XPCommand::XPCommand(QWidget* parent)
    : PictureButton(interaction::kXPCommandEvents, StoredDefaults(), parent) {}

// Fields only: no repaint, no resize. The caption starts as the instance's
// name.
void XPCommand::UserControl_InitProperties() {
    InitCommonProperties();
    showBorderOnFocus_ = true;
    caption_ = Ambient().DisplayName;
    xpColorPressed_ = kXPColorPressed;
    xpColorHover_ = kXPColorHover;
}

// A key missing from stored data reads as its default; the pictures then
// read as Nothing.
void XPCommand::UserControl_ReadProperties(PropertyBag& PropBag) {
    ReadColours(PropBag);
    showBorderOnFocus_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("ShowBorderOnFocus"), true));
    ReadCaptionAndPicture(PropBag);
    ReadPictureSizes(PropBag);
    ReadFontAndPointer(PropBag);
    xpColorPressed_ =
        ToLong(PropBag.ReadProperty(QStringLiteral("XPColor_Pressed"), kXPColorPressed));
    xpColorHover_ = ToLong(PropBag.ReadProperty(QStringLiteral("XPColor_Hover"), kXPColorHover));
    ReadMaskAndTransparency(PropBag);
    UserControl_Resize();
}

void XPCommand::UserControl_WriteProperties(PropertyBag& PropBag) {
    WriteCaptionAndPicture(PropBag);
    WritePictureSizes(PropBag);
    WriteFontAndPointer(PropBag);
    PropBag.WriteProperty(QStringLiteral("ShowBorderOnFocus"), showBorderOnFocus_, true);
    WriteColours(PropBag);
    WriteMaskAndTransparency(PropBag);
    PropBag.WriteProperty(QStringLiteral("XPColor_Pressed"), xpColorPressed_, kXPColorPressed);
    PropBag.WriteProperty(QStringLiteral("XPColor_Hover"), xpColorHover_, kXPColorHover);
}

}  // namespace controls
