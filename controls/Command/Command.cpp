#include "controls/Command/Command.h"

#include <QImage>

#include "platform/basic/runtime_error.h"
#include "platform/controlhost/picture_values.h"
#include "platform/controlhost/variant_values.h"
#include "platform/raster/blit.h"
#include "platform/raster/sys_color.h"

namespace controls {

using platform::controlhost::PropertyBag;

namespace {

constexpr platform::raster::OLE_COLOR kFaceBackColor = 0x00D7D7D7;
const platform::raster::OLE_COLOR kButtonText =
    platform::raster::SystemOleColor(platform::raster::COLOR_BTNTEXT);

// The strip box lies below the face and is never seen.
constexpr double kStripLeft = 240;
constexpr double kStripTop = 1200;
constexpr double kEmptyStripWidth = 1050;
constexpr double kEmptyStripHeight = 195;

// Paint index -> frame of the strip, counted from 0 at the left.
constexpr int kFrameOfIndex[] = {3, 0, 1, 2, 4, 5};

platform::raster::PicturePtr HandPointer() {
    const QImage hand(QStringLiteral(":/images/Command/hand.png"));
    return hand.isNull() ? nullptr : platform::raster::IconPictureFromImage(hand);
}

}  // namespace

Command::Command(QWidget* parent)
    : interaction::ButtonControl(interaction::kCommandEvents, parent) {
    SetScaleMode(platform::controlhost::vbTwips);
    Surface::SetBackColor(kFaceBackColor);
    Surface::SetForeColor(kButtonText);
    SetMouseIcon(HandPointer());
    SetMousePointer(platform::controlhost::vbCustom);
    Picture1 = new platform::controlhost::PictureBox(*this, this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->SetAutoSize(true);
    Picture1->Move(kStripLeft, kStripTop, kEmptyStripWidth, kEmptyStripHeight);
    Picture1->hide();
}

platform::raster::PicturePtr Command::Picture() const {
    return Picture1->Picture();
}

void Command::SetPicture(platform::raster::PicturePtr New_Picture) {
    Picture1->SetPicture(std::move(New_Picture));
    Refresh();
    PropertyChanged(QStringLiteral("Picture"));
}

platform::raster::OLE_COLOR Command::ForeColor() const {
    return Surface::ForeColor();
}

void Command::SetForeColor(platform::raster::OLE_COLOR New_ForeColor) {
    Surface::SetForeColor(New_ForeColor);
    Refresh();
    PropertyChanged(QStringLiteral("ForeColor"));
}

bool Command::Enabled() const {
    return UserControl::Enabled();
}

void Command::SetEnabled(bool New_Enabled) {
    UserControl::SetEnabled(New_Enabled);
    PropertyChanged(QStringLiteral("Enabled"));
    Refresh();
}

void Command::SetCaption(const QString& New_Caption) {
    caption_ = New_Caption;
    Refresh();
    PropertyChanged(QStringLiteral("Caption"));
}

void Command::SetStatus(bool NewStatus) {
    status_ = NewStatus;
    Refresh();
}

void Command::SetCheck(bool NewCheck) {
    check_ = NewCheck;
    UserControl_Resize();
}

float Command::FrameWidth() const {
    return static_cast<float>(Picture1->Width() / FrameCount());
}

void Command::UserControl_Resize() {
    SetWidth(FrameWidth());
    SetHeight(Picture1->Height());
    Refresh();
}

void Command::Refresh() {
    SetAutoRedraw(true);
    Cls();
    ShowState();
    SetAutoRedraw(false);
}

void Command::ShowState() {
    std::int16_t index = 1;
    if (g_Pressed)
        index = status_ && check_ ? 5 : 3;
    else if (g_Hover)
        index = status_ && check_ ? 4 : 2;
    else if (status_)
        index = 0;
    QVariant vv = QVariant::fromValue(index);
    PrintB(vv);
}

void Command::PrintB(QVariant& vv) {
    Cls();
    SetHeight(Picture1->Height());
    SetWidth(FrameWidth());
    if (!Enabled()) vv = QVariant::fromValue(std::int16_t{0});
    PaintFrame(platform::controlhost::ToLong(vv));
    QVariant caption(caption_);
    SetText(caption, vv);
}

void Command::PaintFrame(std::int32_t index) {
    if (index < 0 || index >= FrameCount()) return;
    // A failing step (no strip to copy from) is passed over.
    try {
        Cls();
    } catch (const platform::basic::RuntimeError&) {
    }
    try {
        const double width = FrameWidth();
        const double height = Picture1->Height();
        PaintPicture(Picture1->Picture(), 0, 0, width, height, kFrameOfIndex[index] * width, 0,
                     width, height, platform::raster::SRCCOPY);
    } catch (const platform::basic::RuntimeError&) {
    }
    try {
        Redraw();
    } catch (const platform::basic::RuntimeError&) {
    }
}

void Command::SetText(QVariant& Caption, QVariant& /*s*/) {
    // A failing step is passed over, as the frame painting does.
    try {
        const QString text = platform::controlhost::ToText(Caption);
        SetCurrentX(static_cast<float>((Width() - TextWidth(text)) / 2));
        SetCurrentY(static_cast<float>((Height() - TextHeight(text)) / 2));
        Print(text);
    } catch (const platform::basic::RuntimeError&) {
    }
}

void Command::UserControl_ReadProperties(PropertyBag& PropBag) {
    using namespace platform::controlhost;
    PropBag.ReadProperty(QStringLiteral("Style"));
    UserControl::SetEnabled(ToBoolean(PropBag.ReadProperty(QStringLiteral("Enabled"), QString())));
    caption_ = ToText(PropBag.ReadProperty(QStringLiteral("Caption"), QString()));
    SetPicture(ToPicture(PropBag.ReadProperty(QStringLiteral("Picture"))));
    Surface::SetForeColor(ToLong(PropBag.ReadProperty(QStringLiteral("ForeColor"), kButtonText)));
    status_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("Status"), false));
    check_ = ToBoolean(PropBag.ReadProperty(QStringLiteral("Check"), false));
    UserControl_Resize();
}

void Command::UserControl_WriteProperties(PropertyBag& PropBag) {
    using platform::controlhost::FromPicture;
    PropBag.WriteProperty(QStringLiteral("Style"), QVariant(), QVariant());
    PropBag.WriteProperty(QStringLiteral("Picture"), FromPicture(Picture()), QVariant());
    PropBag.WriteProperty(QStringLiteral("Caption"), caption_, QString());
    PropBag.WriteProperty(QStringLiteral("ForeColor"), ForeColor(), kButtonText);
    PropBag.WriteProperty(QStringLiteral("Enabled"), Enabled(), QString());
    PropBag.WriteProperty(QStringLiteral("Status"), status_, false);
    PropBag.WriteProperty(QStringLiteral("Check"), check_, false);
}

}  // namespace controls
