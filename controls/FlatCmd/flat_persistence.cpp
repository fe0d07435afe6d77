#include "controls/FlatCmd/FlatCmd.h"
#include "controls/FlatCmd/resume_next.h"
#include "controls/FlatCmd/strip_extent.h"
#include "platform/controlhost/picture_values.h"
#include "platform/controlhost/variant_values.h"

namespace controls {

using platform::controlhost::PictureBox;
using platform::controlhost::PropertyBag;
using platform::controlhost::StdFontRef;
using platform::controlhost::ToBoolean;
using platform::controlhost::ToLong;

namespace {

const raster::OLE_COLOR kBackColor = raster::SystemOleColor(15);  // button face
const raster::OLE_COLOR kForeColor = raster::SystemOleColor(18);  // button text
constexpr std::int32_t kPictureSide = 16;
constexpr std::int32_t kPictureSize = 2;
// The stored defaults of these three are numbers, not Booleans, so a True
// (-1) never equals the default of "TransparentBG" and is always stored.
constexpr int kNoBorderEffectDefault = 0;
constexpr int kMaskColorDefault = 0;
constexpr int kTransparentBGDefault = 1;
// The strip box as designed, before it holds a strip; the boxes lie outside
// the face and are never shown.
constexpr double kEmptyStripWidth = 60;
constexpr double kEmptyStripHeight = 20;
constexpr double kBoxLeft = 0;
constexpr double kBoxTop = 40;

QVariant Stored(const raster::PicturePtr& picture) {
    return platform::controlhost::FromPicture(picture);
}

raster::PicturePtr ReadPicture(const PropertyBag& bag, const char* key) {
    return platform::controlhost::ToPicture(bag.ReadProperty(QLatin1String(key), QVariant()));
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
    : ButtonControl(kXPCommandEvents, parent), placementSurface_(*this) {
    UserControl_Initialize();
    Picture1 = HiddenBox(*this, QStringLiteral("Picture1"));
    Picture1->SetAutoSize(true);
    Picture1->Move(kBoxLeft, kBoxTop, kEmptyStripWidth, kEmptyStripHeight);
    for (std::size_t i = 0; i < PicT_.size(); ++i) {
        PicT_[i] = HiddenBox(*this, QStringLiteral("PicT(%1)").arg(i));
        PicT_[i]->SetAutoRedraw(true);
        PicT_[i]->Surface::SetPicture(raster::Picture::CreateEmpty());
    }
}

FlatCmd::~FlatCmd() {
    UserControl_Terminate();
}

void FlatCmd::UserControl_Initialize() {
    SetGFont(std::make_shared<platform::controlhost::StdFont>());
    SetScaleMode(platform::controlhost::vbPixels);
}

void FlatCmd::UserControl_Terminate() {
    SetGFont(nullptr);
}

// g_Font is the font whose change notifications the control follows.
void FlatCmd::SetGFont(StdFontRef font) {
    QObject::disconnect(fontWatch_);
    g_Font = std::move(font);
    if (g_Font)
        fontWatch_ = connect(g_Font.get(), &platform::controlhost::StdFont::FontChanged, this,
                             &FlatCmd::g_Font_FontChanged);
}

// Each fetch of the ambient font gives a font object of its own, so that the
// control never changes the holder's font.
StdFontRef FlatCmd::AmbientFont() const {
    const StdFontRef& ambient = Ambient().Font;
    return ambient ? platform::controlhost::CloneFont(*ambient)
                   : platform::controlhost::NewDefaultFont();
}

// Fields only: no repaint, no resize; the surface keeps its own colours.
// Unlike a loaded instance, a new one starts with an empty caption and
// empty pictures.
void FlatCmd::UserControl_InitProperties() {
    backColor_ = kBackColor;
    foreColor_ = kForeColor;
    Surface::SetFont(AmbientFont());
    SetGFont(AmbientFont());
    caption_.clear();
    picturePosition_ = 1;
    pictureWidth_ = kPictureSide;
    pictureHeight_ = kPictureSide;
    pictureSize_ = kPictureSize;
    pictureHover_ = raster::Picture::CreateEmpty();
    g_PictureNormal = raster::Picture::CreateEmpty();
    maskColor_ = 0;
    noBorderEffect_ = false;
    transparentBG_ = true;
}

// The strip is read through PictureBG, which sizes the control with the
// Checked just read; the picture sizes are taken as stored.
void FlatCmd::UserControl_ReadProperties(PropertyBag& PropBag) {
    backColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("BackColor"), kBackColor));
    Surface::SetBackColor(backColor_);
    foreColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("ForeColor"), kForeColor));
    Surface::SetForeColor(foreColor_);
    status_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("Status"), false));
    checked_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("Checked"), false));
    caption_ = platform::controlhost::ToText(
        PropBag.ReadProperty(QStringLiteral("Caption"), Ambient().DisplayName));
    picturePosition_ = ToLong(PropBag.ReadProperty(QStringLiteral("PicturePosition"), 1));
    g_Picture = ReadPicture(PropBag, "Picture");
    SetPictureBG(ReadPicture(PropBag, "PictureBG"));
    pictureWidth_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureWidth"), kPictureSide));
    pictureHeight_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureHeight"), kPictureSide));
    pictureSize_ = ToLong(PropBag.ReadProperty(QStringLiteral("PictureSize"), kPictureSize));
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
    noBorderEffect_ =
        ToBoolean(PropBag.ReadProperty(QStringLiteral("NoBorderEffect"), kNoBorderEffectDefault));
    maskColor_ = ToLong(PropBag.ReadProperty(QStringLiteral("MaskColor"), kMaskColorDefault));
    transparentBG_ =
        ToBoolean(PropBag.ReadProperty(QStringLiteral("TransparentBG"), kTransparentBGDefault));
    UserControl_Resize();
}

// A value equal to its default is not stored.
void FlatCmd::UserControl_WriteProperties(PropertyBag& PropBag) {
    PropBag.WriteProperty(QStringLiteral("Caption"), caption_, Ambient().DisplayName);
    PropBag.WriteProperty(QStringLiteral("PicturePosition"), picturePosition_, 1);
    PropBag.WriteProperty(QStringLiteral("Picture"), Stored(g_Picture), QVariant());
    PropBag.WriteProperty(QStringLiteral("PictureBG"), Stored(PictureBG()), QVariant());
    PropBag.WriteProperty(QStringLiteral("PictureWidth"), pictureWidth_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureHeight"), pictureHeight_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("PictureSize"), pictureSize_, kPictureSize);
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeW"), originalPicSizeW_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("OriginalPicSizeH"), originalPicSizeH_, kPictureSide);
    PropBag.WriteProperty(QStringLiteral("Status"), status_, false);
    PropBag.WriteProperty(QStringLiteral("Checked"), checked_, false);
    PropBag.WriteProperty(QStringLiteral("PictureHover"), Stored(pictureHover_), QVariant());
    PropBag.WriteProperty(QStringLiteral("Enabled"), UserControl::Enabled(), true);
    PropBag.WriteProperty(QStringLiteral("Font"), QVariant::fromValue(Surface::Font()),
                          QVariant::fromValue(Ambient().Font));
    PropBag.WriteProperty(QStringLiteral("MouseIcon"), Stored(MouseIcon()), QVariant());
    PropBag.WriteProperty(QStringLiteral("MousePointer"), UserControl::MousePointer(), 0);
    PropBag.WriteProperty(QStringLiteral("BackColor"), backColor_, kBackColor);
    PropBag.WriteProperty(QStringLiteral("ForeColor"), foreColor_, kForeColor);
    PropBag.WriteProperty(QStringLiteral("NoBorderEffect"), noBorderEffect_,
                          kNoBorderEffectDefault);
    PropBag.WriteProperty(QStringLiteral("MaskColor"), maskColor_, kMaskColorDefault);
    PropBag.WriteProperty(QStringLiteral("TransparentBG"), transparentBG_, kTransparentBGDefault);
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
