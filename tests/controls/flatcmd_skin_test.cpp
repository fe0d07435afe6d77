#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "controls/FlatCmd/parent_offset.h"
#include "flatcmd_fixture.h"
#include "platform/controlhost/scale_units.h"
#include "platform/raster/objects.h"
#include "support/row_print.h"

namespace {

using flattest::FlatOnWindow;
using flattest::Look;
using flattest::Placing;
using flattest::Strip;
using flattest::StripBag;
using flattest::WindowPicture;

// A three-frame strip with one pixel of frame 0 set to `colour`.
platform::raster::PicturePtr StripWithPixel(QPoint at, QRgb colour) {
    QImage image = flattest::StripImage(180);
    image.setPixel(at, colour);
    return platform::raster::PictureFromImage(image);
}

// --- the window's background under the button -------------------------------

TEST(FlatCmdBackground, AnIdleButtonShowsTheWindowUnderIt) {
    const auto bag = StripBag(Strip(180), true);
    FlatOnWindow on(&bag);
    EXPECT_EQ(Look(*on.control), "window:15,9");
    EXPECT_EQ(Look(*on.control, {59, 25}), "window:72,32");
    EXPECT_EQ(on.control->Surface::Picture(), nullptr) << "no frame chosen yet";

    on.control->SetFlags(false, true);
    EXPECT_EQ(Look(*on.control), "strip:2");
    const platform::raster::PicturePtr hover = on.control->Surface::Picture();
    on.control->SetFlags(false, false);
    EXPECT_EQ(Look(*on.control), "window:15,9");
    EXPECT_EQ(on.control->Surface::Picture(), hover) << "the last frame stays, hidden";
}

// Without the copy, the clear shows the frame chosen last, magenta and all,
// since an idle unselected button runs no key-out.
TEST(FlatCmdBackground, WithoutTransparentBGTheLastFrameStays) {
    const auto bag =
        StripBag(StripWithPixel({5, 5}, qRgb(255, 0, 255)), true, {{"TransparentBG", false}});
    FlatOnWindow on(&bag);
    EXPECT_EQ(Look(*on.control), "back");
    on.control->SetFlags(false, true);
    EXPECT_EQ(Look(*on.control), "strip:2");
    EXPECT_EQ(Look(*on.control, {5, 5}), "window:18,12");
    on.control->SetFlags(false, false);
    EXPECT_EQ(Look(*on.control), "strip:2");
    EXPECT_EQ(Look(*on.control, {5, 5}), "magenta");
}

// Where the button lies on the window's picture: its own position, plus the
// position of a container that is not the window, whatever the window's
// scale mode; a scale mode that cannot be converted leaves 0.
struct OffsetRow {
    const char* what;
    Placing placing;
    const char* topLeft;
};

using support::PrintTo;

const OffsetRow kOffsets[] = {
    {"OnTheWindow", {{13, 7}, {}, {}, WindowPicture::Coordinates}, "window:13,7"},
    {"OnAWindowInPixels", {{13, 7}, {}, 3, WindowPicture::Coordinates}, "window:13,7"},
    {"OnAWindowInHimetric", {{13, 7}, {}, 8, WindowPicture::Coordinates}, "window:13,7"},
    {"InAContainer", {{5, 4}, QPoint(30, 20), {}, WindowPicture::Coordinates}, "window:35,24"},
    {"InAContainerOnAWindowInPixels",
     {{5, 4}, QPoint(30, 20), 3, WindowPicture::Coordinates},
     "window:35,24"},
    {"OnAWindowOfUnknownScale", {{13, 7}, {}, 0, WindowPicture::Coordinates}, "window:0,0"},
};

class FlatCmdOffset : public ::testing::TestWithParam<OffsetRow> {};

TEST_P(FlatCmdOffset, TakesTheWindowsPictureUnderTheButton) {
    const OffsetRow& row = GetParam();
    const auto bag = StripBag(StripWithPixel({7, 3}, qRgb(25, 50, 255)), true);
    FlatOnWindow on(&bag, row.placing);
    EXPECT_EQ(Look(*on.control, {0, 0}), row.topLeft) << "background copy";
    on.control->SetFlags(false, true);
    const QString keyed = Look(*on.control, {7, 3});
    on.control->SetFlags(false, false);
    EXPECT_EQ(keyed, Look(*on.control, {7, 3})) << "key-out takes the same point";
}

INSTANTIATE_TEST_SUITE_P(Placements, FlatCmdOffset, ::testing::ValuesIn(kOffsets),
                         [](const auto& info) { return std::string(info.param.what); });

// The conversion from the window's scale mode rounds half to even, and a
// container with the window's own handle adds nothing.
struct ConvertRow {
    const char* what;
    std::int16_t scaleMode;
    double left, top;
    platform::controlhost::HWND container;
    double containerLeft, containerTop;
    platform::raster::POINT expected;
};

const ConvertRow kConverts[] = {
    {"HalvesInPixels", 3, 2.5, 3.5, 1, 0, 0, {2, 4}},
    {"HalvesInTwips", 1, 22.5, 52.5, 1, 0, 0, {2, 4}},
    {"ContainerAdded", 3, 2.5, 1, 2, 10, 20.5, {12, 22}},
    {"WindowAsContainerNotAdded", 3, 2, 1, 1, 10, 20, {2, 1}},
    {"UnknownScaleMode", 4, 30, 45, 1, 0, 0, {0, 0}},
};

class FlatCmdOffsetConversion : public ::testing::TestWithParam<ConvertRow> {};

TEST_P(FlatCmdOffsetConversion, RoundsHalfToEven) {
    const ConvertRow& row = GetParam();
    platform::controlhost::ParentInfo parent;
    parent.hwnd = 1;
    parent.ScaleMode = row.scaleMode;
    platform::controlhost::ExtenderInfo extender;
    extender.Left = row.left;
    extender.Top = row.top;
    extender.Container = {row.container, row.containerLeft, row.containerTop};
    EXPECT_EQ(controls::ParentOffset(parent, extender, platform::controlhost::vbPixels),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FlatCmdOffsetConversion, ::testing::ValuesIn(kConverts),
                         [](const auto& info) { return std::string(info.param.what); });

// --- the key-out -----------------------------------------------------------------

struct KeyRow {
    const char* what;
    QRgb colour;
    const char* shown;
};

const KeyRow kKeys[] = {
    {"Magenta", qRgb(255, 0, 255), "window:18,12"},
    {"SameDecimalText", qRgb(25, 50, 255), "window:18,12"},
    {"NearlyMagenta", qRgb(255, 0, 254), "rgb(255,0,254)"},
    {"Black", qRgb(0, 0, 0), "black"},
};

class FlatCmdKeyOut : public ::testing::TestWithParam<KeyRow> {};

TEST_P(FlatCmdKeyOut, ReplacesTheKeyTextByTheWindow) {
    const KeyRow& row = GetParam();
    const auto bag = StripBag(StripWithPixel({5, 5}, row.colour), true);
    FlatOnWindow on(&bag);
    on.control->SetFlags(false, true);
    EXPECT_EQ(Look(*on.control, {5, 5}), row.shown);
    EXPECT_EQ(Look(*on.control, {6, 5}), "strip:6");
}

INSTANTIATE_TEST_SUITE_P(Colours, FlatCmdKeyOut, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.what); });

// A window without a usable picture: nothing is copied and nothing keyed
// out, and the surface is not harmed.
struct UnusableRow {
    const char* what;
    WindowPicture picture;
};

class FlatCmdUnusableWindow : public ::testing::TestWithParam<UnusableRow> {};

TEST_P(FlatCmdUnusableWindow, HarmsNothing) {
    const auto bag = StripBag(StripWithPixel({0, 0}, qRgb(255, 0, 255)), true);
    Placing placing;
    placing.picture = GetParam().picture;
    FlatOnWindow on(&bag, placing);
    EXPECT_EQ(Look(*on.control, {0, 0}), "back");
    EXPECT_EQ(Look(*on.control, {30, 20}), "back");
    on.control->SetFlags(false, true);
    EXPECT_EQ(Look(*on.control, {0, 0}), "magenta");
    EXPECT_EQ(Look(*on.control, {1, 0}), "strip:1");
}

INSTANTIATE_TEST_SUITE_P(Pictures, FlatCmdUnusableWindow,
                         ::testing::Values(UnusableRow{"Missing", WindowPicture::Missing},
                                           UnusableRow{"Empty", WindowPicture::Empty},
                                           UnusableRow{"Icon", WindowPicture::Icon}),
                         [](const auto& info) { return std::string(info.param.what); });

// --- what stays between repaints ----------------------------------------------------

TEST(FlatCmdSkin, NoBorderEffectCutsChoosesAndKeysOutNothing) {
    const auto bag = StripBag(StripWithPixel({5, 5}, qRgb(255, 0, 255)), true,
                              {{"Caption", QStringLiteral("个股透析    ")}, {"Status", true}});
    FlatOnWindow on(&bag);
    on.control->SetNoBorderEffect(true);
    const platform::raster::PicturePtr shown = on.control->Surface::Picture();
    const platform::raster::PicturePtr cut[] = {on.control->PicT(0).Picture(),
                                                on.control->PicT(1).Picture(),
                                                on.control->PicT(2).Picture()};
    on.control->SetFlags(true, true);
    on.control->SetFlags(false, true);
    EXPECT_EQ(Look(*on.control), "window:15,9");
    EXPECT_EQ(Look(*on.control, {5, 5}), "window:18,12");
    EXPECT_EQ(on.control->Surface::Picture(), shown);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(on.control->PicT(i).Picture(), cut[i]) << i;
    const QImage face = on.control->ShownImage();
    int caption = 0;
    for (int y = 0; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x) caption += flattest::LookOf(face, {x, y}) == "black";
    EXPECT_GT(caption, 20) << "the caption is still drawn";
}

TEST(FlatCmdSkin, AStripTakenAwayLeavesTheFramesCutBefore) {
    const auto bag = StripBag(Strip(180), true);
    FlatOnWindow on(&bag);
    on.control->SetFlags(false, true);
    const platform::raster::PicturePtr cut[] = {on.control->PicT(0).Picture(),
                                                on.control->PicT(1).Picture(),
                                                on.control->PicT(2).Picture()};
    on.control->SetPictureBG(nullptr);
    EXPECT_EQ(on.control->width(), 60);
    EXPECT_EQ(on.control->height(), 26);
    on.control->SetFlags(true, true);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(on.control->PicT(i).Picture(), cut[i]) << i;
    EXPECT_EQ(Look(*on.control), "strip:62");
    on.control->SetStatus(true);
    on.control->SetFlags(false, false);
    EXPECT_EQ(Look(*on.control), "strip:122");
}

// In a designer the button is outlined in black, unless a chosen frame
// covers the outline.
TEST(FlatCmdSkin, DesignModeOutline) {
    const auto bag = StripBag(Strip(180), true);
    FlatOnWindow on(&bag);
    on.control->SetUserMode(false);
    for (QPoint corner :
         {QPoint(0, 0), QPoint(59, 0), QPoint(0, 25), QPoint(59, 25), QPoint(30, 0), QPoint(0, 13)})
        EXPECT_EQ(Look(*on.control, corner), "black") << corner.x() << "," << corner.y();
    EXPECT_EQ(Look(*on.control, {1, 1}), "window:14,8");
    on.control->SetFlags(false, true);
    EXPECT_EQ(Look(*on.control, {0, 0}), "strip:0");
    on.control->SetUserMode(true);
    on.control->SetFlags(false, false);
    EXPECT_EQ(Look(*on.control, {0, 0}), "window:13,7");
}

// Every repaint cuts and captures three frames; the pictures it replaces
// release their bitmaps.
TEST(FlatCmdSkin, RepaintsKeepTheObjectCount) {
    const auto bag =
        StripBag(Strip(180), true, {{"Caption", QStringLiteral("个股透析    ")}, {"Status", true}});
    FlatOnWindow on(&bag);
    on.control->SetFlags(false, true);
    const std::size_t before = platform::raster::LiveObjectCount();
    for (int i = 0; i < 10000; ++i) on.control->SetFlags(i % 3 == 0, i % 2 == 0);
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

}  // namespace
