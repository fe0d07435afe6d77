#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/resume_next.h"
#include "controls/FlatCmd/strip_extent.h"
#include "platform/controlhost/picture_values.h"
#include "platform/controlhost/variant_values.h"

namespace controls {

using platform::controlhost::PictureBox;
using platform::controlhost::PropertyBag;
using platform::controlhost::ToBoolean;

namespace {

// The stored default of "NoBorderEffect" is a number, not a Boolean, as is
// that of "TransparentBG", so a True (-1) never equals the latter's default
// and is always stored.
constexpr int kNoBorderEffectDefault = 0;
// The strip box as designed, before it holds a strip; the boxes lie outside
// the face and are never shown.
constexpr double kEmptyStripWidth = 60;
constexpr double kEmptyStripHeight = 20;
constexpr double kBoxLeft = 0;
constexpr double kBoxTop = 40;

PictureButtonDefaults StoredDefaults() {
    return PictureButtonDefaults{platform::raster::SystemOleColor(18), 2,
                                 QVariant(1)};  // button text
}

PictureBox* HiddenBox(FlatCmd& control, const QString& name) {
    auto* box = new PictureBox(control, &control);
    box->setObjectName(name);
    box->SetScaleMode(platform::controlhost::vbPixels);
    box->hide();
    return box;
}

}  // namespace

FlatCmd::FlatCmd(QWidget* parent)
    : PictureButton(interaction::kXPCommandEvents, StoredDefaults(), parent) {
    Picture1 = HiddenBox(*this, QStringLiteral("Picture1"));
    Picture1->SetAutoSize(true);
    Picture1->Move(kBoxLeft, kBoxTop, kEmptyStripWidth, kEmptyStripHeight);
    for (std::size_t i = 0; i < PicT_.size(); ++i) {
        PicT_[i] = HiddenBox(*this, QStringLiteral("PicT(%1)").arg(i));
        PicT_[i]->SetAutoRedraw(true);
        PicT_[i]->Surface::SetPicture(platform::raster::Picture::CreateEmpty());
    }
}

// Fields only: no repaint, no resize. Unlike a loaded instance, a new one
// starts with an empty caption.
void FlatCmd::UserControl_InitProperties() {
    InitCommonProperties();
    caption_.clear();
    noBorderEffect_ = false;
}

// The strip is read through PictureBG, which sizes the control with the
// Checked just read; the picture sizes are taken as stored.
void FlatCmd::UserControl_ReadProperties(PropertyBag& PropBag) {
    ReadColours(PropBag);
    status_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("Status"), false));
    checked_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("Checked"), false));
    ReadCaptionAndPicture(PropBag);
    SetPictureBG(
        platform::controlhost::ToPicture(PropBag.ReadProperty(QStringLiteral("PictureBG"))));
    ReadPictureSizes(PropBag);
    ReadFontAndPointer(PropBag);
    noBorderEffect_ =
        ToBoolean(PropBag.ReadProperty(QStringLiteral("NoBorderEffect"), kNoBorderEffectDefault));
    ReadMaskAndTransparency(PropBag);
    UserControl_Resize();
}

void FlatCmd::UserControl_WriteProperties(PropertyBag& PropBag) {
    WriteCaptionAndPicture(PropBag);
    PropBag.WriteProperty(QStringLiteral("PictureBG"),
                          platform::controlhost::FromPicture(PictureBG()), QVariant());
    WritePictureSizes(PropBag);
    PropBag.WriteProperty(QStringLiteral("Status"), status_, false);
    PropBag.WriteProperty(QStringLiteral("Checked"), checked_, false);
    WriteFontAndPointer(PropBag);
    WriteColours(PropBag);
    PropBag.WriteProperty(QStringLiteral("NoBorderEffect"), noBorderEffect_,
                          kNoBorderEffectDefault);
    WriteMaskAndTransparency(PropBag);
}

// One frame of the strip; every step goes on after an error in the one
// before.
void FlatCmd::UserControl_Resize() {
    ResumeNext([this] {
        const StripExtent extent = FrameExtent(Picture1->Width(), Picture1->Height(), checked_);
        ResumeNext([&] { SetWidth(extent.WidthTwips); });
        ResumeNext([&] { SetHeight(extent.HeightTwips); });
    });
    ResumeNext([this] { Refresh(); });
}

}  // namespace controls
