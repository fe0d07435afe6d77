#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <functional>
#include <string>

#include "flatcmd_fixture.h"
#include "platform/controlhost/std_font.h"
#include "platform/raster/picture.h"
#include "xpcommand_control_fixture.h"

// Every look of the two picture buttons, pixel for pixel, against images
// recorded from the program: the face by state, captions broken over lines
// and embossed, pictures by position, type and state, the skin frames with
// the window showing through. Run with MARLQUIN_RECORD_LOOKS=<folder> to
// write the images instead of comparing them.

namespace {

using flattest::FlatOnWindow;
using flattest::FlatProbe;
using xptest::XPOnWindow;
using xptest::XPProbe;

// A 16 x 16 picture: a red square with a green centre on a magenta ground
// (&HFF00FF, the mask colour of the cases that leave it out); as an icon the
// ground is transparent.
QImage Art() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 255));
    QPainter painter(&image);
    painter.fillRect(2, 2, 12, 12, Qt::red);
    painter.fillRect(6, 6, 4, 4, Qt::green);
    return image;
}

platform::raster::PicturePtr Bitmap() {
    return platform::raster::PictureFromImage(Art());
}

platform::raster::PicturePtr Icon() {
    QImage image = Art();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 255)) image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return platform::raster::IconPictureFromImage(image);
}

struct XPLook {
    const char* name;
    int width, height;
    const char* caption;
    std::function<void(XPProbe&)> set;  // before the flags
    bool pressed, hover, focus;
};

void PrintTo(const XPLook& look, std::ostream* out) {
    *out << look.name;
}

const char* const kGuest = "游客登录    ";
const char* const kMember = "注册会员登录      ";

void None(XPProbe&) {}

void WithPicture(XPProbe& c, const platform::raster::PicturePtr& picture, int position) {
    c.SetPicture(picture);
    c.SetPicturePosition(position);
    c.SetMaskColor(0xFF00FF);
}

const XPLook kXPLooks[] = {
    {"GuestNormal", 89, 25, kGuest, None, false, false, false},
    {"GuestHover", 89, 25, kGuest, None, false, true, false},
    {"GuestFocus", 89, 25, kGuest, None, false, false, true},
    {"GuestFocusHover", 89, 25, kGuest, None, false, true, true},
    {"GuestPressed", 89, 25, kGuest, None, true, true, true},
    {"GuestDisabled", 89, 25, kGuest, [](XPProbe& c) { c.SetEnabled(false); }, false, true, true},
    {"MemberWide", 105, 25, kMember, None, false, false, false},
    {"MemberBrokenOverLines", 40, 50, kMember, None, false, false, false},
    {"MemberBrokenDisabled", 40, 50, kMember, [](XPProbe& c) { c.SetEnabled(false); }, false, false,
     false},
    {"MemberBrokenPressed", 40, 50, kMember, None, true, false, false},
    {"LatinWords", 60, 50, "Log in as a guest", None, false, false, false},
    {"OtherColours", 89, 25, kGuest,
     [](XPProbe& c) {
         c.SetForeColor(0x0000C0);
         c.SetXPColor_Hover(0x00FF00);
         c.SetXPColor_Pressed(platform::raster::SystemOleColor(13));
     },
     false, true, true},
    {"BiggerFont", 105, 40, kGuest,
     [](XPProbe& c) {
         auto font = platform::controlhost::NewDefaultFont();
         font->SetName(QStringLiteral("宋体"));
         font->SetSize(14);
         font->SetBold(true);
         c.SetFont(font);
     },
     false, false, false},
    {"PictureAbove", 80, 50, "确定  ", [](XPProbe& c) { WithPicture(c, Bitmap(), 0); }, false,
     false, false},
    {"PictureLeft", 80, 50, "确定  ", [](XPProbe& c) { WithPicture(c, Bitmap(), 1); }, false, false,
     false},
    {"PictureRight", 80, 50, "确定  ", [](XPProbe& c) { WithPicture(c, Bitmap(), 2); }, false,
     false, false},
    {"PictureBelowPressed", 80, 50, "确定  ", [](XPProbe& c) { WithPicture(c, Bitmap(), 3); }, true,
     false, false},
    {"PictureDisabled", 80, 50, "确定  ",
     [](XPProbe& c) {
         WithPicture(c, Bitmap(), 1);
         c.SetEnabled(false);
     },
     false, false, false},
    {"PictureAloneStretched", 80, 50, "",
     [](XPProbe& c) {
         WithPicture(c, Bitmap(), 1);
         c.SetPictureSize(1);
     },
     false, false, false},
    {"IconLeft", 80, 50, "确定  ", [](XPProbe& c) { WithPicture(c, Icon(), 1); }, false, true,
     false},
    {"IconDisabled", 80, 50, "确定  ",
     [](XPProbe& c) {
         WithPicture(c, Icon(), 0);
         c.SetEnabled(false);
     },
     false, false, false},
};

struct FlatLook {
    const char* name;
    const char* caption;
    std::function<void(FlatProbe&)> set;  // before the flags
    bool pressed, hover;
};

void PrintTo(const FlatLook& look, std::ostream* out) {
    *out << look.name;
}

const char* const kCategory = "个股透析    ";

void Plain(FlatProbe&) {}
void Selected(FlatProbe& c) {
    c.SetStatus(true);
}

// The designed strip of the category buttons with a few pixels in the key
// colours, which the window's background replaces.
void KeyedStrip(FlatProbe& c) {
    QImage strip = c.PictureBG()->ToImage().convertToFormat(QImage::Format_RGB32);
    for (int frame = 0; frame < 3; ++frame) {
        strip.setPixel(frame * 60 + 3, 3, qRgb(255, 0, 255));
        strip.setPixel(frame * 60 + 10, 20, qRgb(25, 50, 255));
        strip.setPixel(frame * 60 + 11, 20, qRgb(255, 0, 254));
    }
    c.SetPictureBG(platform::raster::PictureFromImage(strip));
}

const FlatLook kFlatLooks[] = {
    {"Idle", kCategory, Plain, false, false},
    {"Hover", kCategory, Plain, false, true},
    {"Pressed", kCategory, Plain, true, true},
    {"SelectedIdle", kCategory, Selected, false, false},
    {"SelectedHover", kCategory, Selected, false, true},
    {"Disabled", kCategory, [](FlatProbe& c) { c.SetEnabled(false); }, false, true},
    {"ShortCaption", "主力  ", Plain, false, true},
    {"NoTransparency", kCategory, [](FlatProbe& c) { c.SetTransparentBG(false); }, false, false},
    {"KeyedOut", kCategory, KeyedStrip, false, true},
    {"KeyedOutSelected", kCategory,
     [](FlatProbe& c) {
         KeyedStrip(c);
         c.SetStatus(true);
     },
     false, false},
    {"TwoFrames", kCategory, [](FlatProbe& c) { c.SetChecked(false); }, false, true},
    {"NoBorderEffect", kCategory, [](FlatProbe& c) { c.SetNoBorderEffect(true); }, false, true},
    {"WithPicture", "主力  ",
     [](FlatProbe& c) {
         c.SetPictureSize(0);
         c.SetPicture(Bitmap());
         c.SetMaskColor(0xFF00FF);
     },
     false, true},
};

// Compares the shown face with its recorded image, or records it.
void ExpectLooksAsRecorded(const char* group, const char* name, const QImage& shown) {
    const QImage face = shown.convertToFormat(QImage::Format_RGB32);
    const QString file = QStringLiteral("%1_%2.png").arg(QLatin1String(group), QLatin1String(name));
    const QString recordTo = qEnvironmentVariable("MARLQUIN_RECORD_LOOKS");
    if (!recordTo.isEmpty()) {
        ASSERT_TRUE(face.save(QDir(recordTo).filePath(file))) << file.toStdString();
        return;
    }
    const QString path = qEnvironmentVariable("MARLQUIN_SOURCE_DIR") +
                         QStringLiteral("/tests/controls/looks/") + file;
    const QImage recorded = QImage(path).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(recorded.isNull()) << "no recorded image " << path.toStdString();
    ASSERT_EQ(face.size(), recorded.size());
    int differing = 0;
    QPoint first;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixel(x, y) != recorded.pixel(x, y) && differing++ == 0) first = QPoint(x, y);
    EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
}

class XPCommandLook : public ::testing::TestWithParam<XPLook> {};

// Each look is painted twice, so that what one repaint keeps for the next
// cannot change it.
TEST_P(XPCommandLook, IsAsRecorded) {
    const XPLook& look = GetParam();
    const platform::controlhost::PropertyBag bag(QVariantMap{
        {"Caption", QString::fromUtf8(look.caption)},
        {"Font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}, {"charset", 134}}}});
    XPOnWindow on(look.width, look.height, &bag);
    look.set(*on.control);
    on.control->SetFlags(look.pressed, look.hover, look.focus);
    on.control->Refresh();
    ExpectLooksAsRecorded("xp", look.name, on.control->ShownImage());
}

INSTANTIATE_TEST_SUITE_P(Looks, XPCommandLook, ::testing::ValuesIn(kXPLooks),
                         [](const auto& info) { return std::string(info.param.name); });

class FlatCmdLook : public ::testing::TestWithParam<FlatLook> {};

TEST_P(FlatCmdLook, IsAsRecorded) {
    const FlatLook& look = GetParam();
    const platform::controlhost::PropertyBag bag(QVariantMap{
        {"caption", QString::fromUtf8(look.caption)},
        {"picturebg", QStringLiteral(":/images/FlatCmd/strip.bmp")},
        {"checked", true},
        {"font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}, {"charset", 134}}}});
    FlatOnWindow on(&bag);
    look.set(*on.control);
    on.control->SetFlags(look.pressed, look.hover);
    on.control->Refresh();
    ExpectLooksAsRecorded("flat", look.name, on.control->ShownImage());
}

INSTANTIATE_TEST_SUITE_P(Looks, FlatCmdLook, ::testing::ValuesIn(kFlatLooks),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
