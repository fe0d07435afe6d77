#include <gtest/gtest.h>

#include <QImage>

#include "platform/raster/objects.h"
#include "platform/raster/ole_color.h"
#include "platform/raster/picture.h"
#include "platform/raster/sys_color.h"
#include "xpcommand_control_fixture.h"

namespace {

using xptest::XPOnWindow;

QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

QRgb Shown(const controls::XPCommand& control, int x, int y) {
    return control.ShownImage().pixel(x, y) | 0xFF000000u;
}

int CountOf(const controls::XPCommand& control, QRgb colour) {
    const QImage image = control.ShownImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
    return count;
}

const platform::controlhost::PropertyBag& GuestButton() {
    static const platform::controlhost::PropertyBag bag(QVariantMap{
        {"Caption", QStringLiteral("游客登录    ")},
        {"Font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}, {"charset", 134}}}});
    return bag;
}

// The guest button of the login window as it shows: face, frame, rounded
// corners and its caption in ForeColor; disabled from the window through
// the widget, as the member login does.
TEST(XPCommandShown, GuestButtonShowsItsFaceAndCaption) {
    XPOnWindow on(89, 25, &GuestButton());
    const controls::XPCommand& c = *on.control;
    EXPECT_EQ(Shown(c, 44, 5), Rgb(250, 250, 249)) << "normal gradient on the button face";
    EXPECT_EQ(Shown(c, 44, 0), Rgb(75, 75, 75));
    EXPECT_EQ(Shown(c, 1, 1), platform::raster::ToQColor(platform::raster::GetSysColor(21)).rgb());
    EXPECT_GT(CountOf(c, Rgb(64, 64, 64)), 20) << "caption in &H404040";

    on.control->setEnabled(false);
    EXPECT_FALSE(on.control->Enabled());
    EXPECT_EQ(Shown(c, 44, 5), Rgb(245, 245, 242)) << "disabled gradient";
    EXPECT_EQ(CountOf(c, Rgb(64, 64, 64)), 0);
    EXPECT_GT(CountOf(c, platform::raster::ToQColor(platform::raster::GetSysColor(16)).rgb()), 20)
        << "embossed caption";
    on.control->setProperty("Enabled", true);
    EXPECT_EQ(Shown(c, 44, 5), Rgb(250, 250, 249));
}

TEST(XPCommandShown, WindowRegionCutsTheCornersOnEveryResize) {
    XPOnWindow on(89, 25, &GuestButton());
    for (const QSize size : {QSize(89, 25), QSize(105, 25), QSize(41, 20)}) {
        on.control->resize(size);
        const QRegion mask = on.control->mask();
        const int W = size.width();
        const int H = size.height();
        for (const QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(W - 1, H - 1),
                               QPoint(W - 2, H - 1), QPoint(W - 1, H - 2)})
            EXPECT_FALSE(mask.contains(p)) << W << "x" << H;
        for (const QPoint p : {QPoint(1, 1), QPoint(2, 0), QPoint(W - 2, H - 2)})
            EXPECT_TRUE(mask.contains(p)) << W << "x" << H;
    }
}

TEST(XPCommandShown, RepaintsLeaveNoRasterObjectsBehind) {
    XPOnWindow on(89, 25, &GuestButton());
    QImage art(16, 16, QImage::Format_ARGB32);
    art.fill(QColor(0, 0, 255, 255));
    on.control->SetPictureSize(1);
    for (const auto& picture :
         {platform::raster::PictureFromImage(art), platform::raster::IconPictureFromImage(art)}) {
        on.control->SetPicture(picture);
        const std::size_t before = platform::raster::LiveObjectCount();
        for (int i = 0; i < 5000; ++i) {
            const int state = i % 6;
            on.control->setEnabled(state != 5);
            on.control->SetFlags(state == 1, state == 2, state == 3);
        }
        EXPECT_EQ(platform::raster::LiveObjectCount(), before);
    }
}

// Painting before the first resize (a caption set before the control is
// placed) skips the gradient and does not fail.
TEST(XPCommandShown, RepaintBeforeTheFirstResize) {
    QWidget window;
    xptest::XPProbe control(&window);
    EXPECT_EQ(control.Fields().H, 0);
    EXPECT_NO_THROW(control.SetCaption(QStringLiteral("确定  ")));
}

// A newly placed control is told its size at once: its face, frame and
// rounded corners are there before anything resizes it.
TEST(XPCommandShown, NewControlHasItsFaceAndShapeAtOnce) {
    XPOnWindow on(89, 25, nullptr);
    const controls::XPCommand& c = *on.control;
    EXPECT_EQ(c.Fields().W, 89);
    EXPECT_EQ(c.Fields().H, 25);
    EXPECT_EQ(Shown(c, 44, 0), Rgb(75, 75, 75));
    EXPECT_EQ(Shown(c, 1, 1), platform::raster::ToQColor(platform::raster::GetSysColor(21)).rgb());
    EXPECT_FALSE(on.control->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(on.control->mask().contains(QPoint(1, 1)));
}

// --- the designer data ------------------------------------------------------------

TEST(XPCommandKind, DesignerDataMakesALoadedButtonThatClicks) {
    const buttontest::Designed on(
        QStringLiteral("XPCommand"), QStringLiteral("XPCommand2"), -1, QRect(3960, 2160, 1575, 375),
        {{"_extentx", 2778},
         {"_extenty", 661},
         {"Caption", QStringLiteral("注册会员登录      ")},
         {"Font", QVariantMap{{"name", QStringLiteral("宋体")}, {"size", 9}}}});
    auto* button = qobject_cast<controls::XPCommand*>(on.made);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(264, 144, 105, 25));
    EXPECT_EQ(button->Caption(), QStringLiteral("注册会员登录      "));
    EXPECT_EQ(button->Fields().W, 105);

    buttontest::Clicks clicks(button);
    ASSERT_TRUE(clicks.Connected());
    EXPECT_EQ(clicks.At(QPoint(50, 12)), 1);
    button->setEnabled(false);
    EXPECT_EQ(clicks.At(QPoint(50, 12)), 1) << "no input while disabled";
    button->SetEnabled(true);
    EXPECT_EQ(clicks.At(QPoint(50, 12)), 2);
}

}  // namespace
