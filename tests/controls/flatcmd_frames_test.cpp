#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <string>

#include "controls/FlatCmd/frame_choice.h"
#include "controls/FlatCmd/strip_extent.h"
#include "flatcmd_fixture.h"
#include "support/row_print.h"

namespace {

using controls::ChooseFrame;
using controls::FrameState;
using flattest::FlatOnWindow;
using flattest::Look;
using flattest::Strip;
using flattest::StripBag;

// --- the choice of the frame -----------------------------------------------------

// For each state, the box chosen with neither hover nor pressed frame cut,
// with only the hover frame (PicT(0)), with only the pressed frame (PicT(1))
// and with both; '-' chooses none.
struct ChoiceRow {
    bool pressed, hover, status;
    std::array<char, 4> chosen;
};

void PrintTo(const ChoiceRow& c, std::ostream* os) {
    *os << "pressed " << c.pressed << " hover " << c.hover << " status " << c.status;
}

const ChoiceRow kChoices[] = {
    {true, false, false, {'-', '-', '1', '1'}}, {true, false, true, {'-', '-', '1', '1'}},
    {true, true, false, {'-', '-', '1', '1'}},  {true, true, true, {'-', '-', '1', '1'}},
    {false, true, false, {'-', '0', '-', '0'}}, {false, true, true, {'-', '1', '-', '1'}},
    {false, false, true, {'2', '2', '2', '2'}}, {false, false, false, {'-', '-', '-', '-'}},
};

std::string Name(const ChoiceRow& row) {
    return std::string(row.pressed ? "Pressed" : "Released") + (row.hover ? "Hover" : "Idle") +
           (row.status ? "Selected" : "Unselected");
}

class FrameChoice : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(FrameChoice, FollowsTheStateAndTheFramesCut) {
    const ChoiceRow& row = GetParam();
    for (int holds = 0; holds < 4; ++holds) {
        const FrameState state{row.pressed, row.hover, row.status, (holds & 1) != 0,
                               (holds & 2) != 0};
        const std::optional<int> box = ChooseFrame(state);
        const char got = box ? static_cast<char>('0' + *box) : '-';
        EXPECT_EQ(got, row.chosen[holds])
            << "PicT(0) holds " << (holds & 1) << ", PicT(1) holds " << (holds >> 1);
    }
}

INSTANTIATE_TEST_SUITE_P(States, FrameChoice, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return Name(info.param); });

// The same states on a control: with a three-frame strip the face shows the
// chosen frame; without a strip nothing is ever cut, and the face stays
// the button colour (the selected frame box is empty).
struct ShownRow {
    bool pressed, hover, status;
    const char* withStrip;
};

void PrintTo(const ShownRow& c, std::ostream* os) {
    *os << "pressed " << c.pressed << " hover " << c.hover << " status " << c.status;
}

const ShownRow kShown[] = {
    {true, false, false, "strip:62"},  {true, true, false, "strip:62"},
    {true, false, true, "strip:62"},   {true, true, true, "strip:62"},
    {false, true, false, "strip:2"},   {false, true, true, "strip:62"},
    {false, false, true, "strip:122"}, {false, false, false, "back"},
};

class ShownFrame : public ::testing::TestWithParam<ShownRow> {};

TEST_P(ShownFrame, IsTheChosenFrameOfTheStrip) {
    const ShownRow& row = GetParam();
    const QVariantMap opaque{{"TransparentBG", false}, {"Status", row.status}};
    const auto bag = StripBag(Strip(180), true, opaque);
    FlatOnWindow on(&bag);
    on.control->SetFlags(row.pressed, row.hover);
    EXPECT_EQ(Look(*on.control), row.withStrip);

    const auto bare = StripBag(nullptr, true, opaque);
    FlatOnWindow without(&bare);
    without.control->SetFlags(row.pressed, row.hover);
    EXPECT_EQ(Look(*without.control), "back");
    EXPECT_EQ(without.control->PicT(0).Picture()->Handle(), 0u);
}

INSTANTIATE_TEST_SUITE_P(States, ShownFrame, ::testing::ValuesIn(kShown), [](const auto& info) {
    const ShownRow& r = info.param;
    return Name(ChoiceRow{r.pressed, r.hover, r.status, {}});
});

// --- cutting and sizing ---------------------------------------------------------------

// What lands in each frame box (its first and its last pixel: a strip
// column, or the box's own background past the strip's end; none when the
// box keeps its empty picture), and the control's size in twips (unrounded,
// 15 a pixel) and in whole pixels.
struct CutRow {
    const char* what;
    int stripWidth;
    bool checked;
    double widthTwips;
    int widthPixels;
    const char* first[3];
    const char* last[3];
};

using support::PrintTo;

const CutRow kCuts[] = {
    {"ThreeFrames",
     180,
     true,
     900,
     60,
     {"strip:0", "strip:60", "strip:120"},
     {"strip:59", "strip:119", "strip:179"}},
    {"TwoFrames",
     180,
     false,
     1350,
     90,
     {"strip:0", "strip:90", nullptr},
     {"strip:89", "strip:179", nullptr}},
    {"OddStripOfThree",
     181,
     true,
     905,
     60,
     {"strip:0", "strip:60", "strip:121"},
     {"strip:59", "strip:119", "strip:180"}},
    {"HalfPixelFramesRoundDownToEven",
     185,
     false,
     1387.5,
     92,
     {"strip:0", "strip:92", nullptr},
     {"strip:91", "strip:183", nullptr}},
    {"HalfPixelFramesRoundUpToEven",
     183,
     false,
     1372.5,
     92,
     {"strip:0", "strip:92", nullptr},
     {"strip:91", "back", nullptr}},
};

class StripCut : public ::testing::TestWithParam<CutRow> {};

TEST_P(StripCut, SizesTheControlToOneFrameAndCutsEachFrame) {
    const CutRow& row = GetParam();
    const controls::StripExtent extent = controls::FrameExtent(row.stripWidth, 26, row.checked);
    EXPECT_DOUBLE_EQ(extent.WidthTwips, row.widthTwips);
    EXPECT_DOUBLE_EQ(extent.HeightTwips, 390);

    const auto bag = StripBag(Strip(row.stripWidth), row.checked, {{"Status", true}});
    FlatOnWindow on(&bag);
    EXPECT_EQ(on.control->width(), row.widthPixels);
    EXPECT_EQ(on.control->height(), 26);
    EXPECT_DOUBLE_EQ(on.control->Height(), 390);
    for (int i = 0; i < 3; ++i) {
        const platform::raster::PicturePtr frame = on.control->PicT(i).Picture();
        if (row.first[i] == nullptr) {
            EXPECT_EQ(frame->Handle(), 0u) << "PicT(" << i << ")";
            continue;
        }
        const QImage image = frame->ToImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), row.widthPixels);
        EXPECT_EQ(image.height(), 26);
        EXPECT_EQ(flattest::LookOf(image, {0, 0}), row.first[i]) << "PicT(" << i << ")";
        EXPECT_EQ(flattest::LookOf(image, {image.width() - 1, 25}), row.last[i])
            << "PicT(" << i << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Strips, StripCut, ::testing::ValuesIn(kCuts),
                         [](const auto& info) { return std::string(info.param.what); });

// Each toggle of Checked resizes and repaints at once, and is not marked.
TEST(StripCut, CheckedTogglesResizeAndRepaint) {
    const auto bag = StripBag(Strip(180), true);
    FlatOnWindow on(&bag);
    const struct {
        bool checked;
        double twips;
    } steps[] = {{false, 1350}, {true, 900}, {false, 1350}};
    for (const auto& step : steps) {
        const int before = on.control->refreshes;
        on.control->SetChecked(step.checked);
        EXPECT_DOUBLE_EQ(on.control->Width(), step.twips);
        EXPECT_GT(on.control->refreshes, before);
    }
    EXPECT_FALSE(on.control->ChangedProperties().contains("Checked"));
}

}  // namespace
