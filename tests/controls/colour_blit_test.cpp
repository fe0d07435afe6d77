#include <gtest/gtest.h>

#include "controls/shared/colour_blit.h"
#include "platform/basic/runtime_error.h"
#include "platform/raster/raster.h"
#include "support/row_print.h"
#include "tests/platform/raster_fixture.h"

namespace controls {
namespace {

using platform::raster::RGB;
using platform::raster::testing::Canvas;
using platform::raster::testing::Read;
using platform::raster::testing::Rows;

struct TranslateCase {
    const char* what;
    platform::raster::OLE_COLOR value;
    std::int32_t expected;
};

using support::PrintTo;

class TranslateColorTest : public ::testing::TestWithParam<TranslateCase> {};

TEST_P(TranslateColorTest, RealColoursPassSystemColoursAreLookedUp) {
    EXPECT_EQ(shared::TranslateColor(GetParam().value), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Values, TranslateColorTest,
    ::testing::Values(TranslateCase{"white", 0xFFFFFF, 0xFFFFFF}, TranslateCase{"black", 0, 0},
                      TranslateCase{"button face", platform::raster::SystemOleColor(15), 0xD8E9EC},
                      TranslateCase{"button text", platform::raster::SystemOleColor(18), 0},
                      TranslateCase{"3D highlight", platform::raster::SystemOleColor(20), 0xFFFFFF},
                      TranslateCase{"above the real range", 0x1000000, 0xC8D0D4},
                      TranslateCase{"unknown index", platform::raster::SystemOleColor(99), 0},
                      TranslateCase{"negative, low bits 21", -0x7FFFFFEB, 0x646F71}));

struct ShiftCase {
    const char* what;
    std::int32_t colour, amount, expected;
};

class ShiftColorTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftColorTest, RedAndGreenMoveByTheAmountBlueByItsShare) {
    const ShiftCase& c = GetParam();
    EXPECT_EQ(shared::ShiftColor(c.colour, c.amount), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ShiftColorTest,
    ::testing::Values(
        ShiftCase{"lighten grey", RGB(100, 100, 100), 48, RGB(148, 148, 125)},
        ShiftCase{"darken white", RGB(255, 255, 255), -48, RGB(207, 207, 192)},
        ShiftCase{"truncating toward zero", RGB(10, 20, 30), -33, RGB(0, 0, 25)},
        ShiftCase{"to black", RGB(128, 128, 128), -192, RGB(0, 0, 0)},
        ShiftCase{"to white", RGB(128, 128, 128), 192, RGB(255, 255, 255)},
        ShiftCase{"blue 0 never moves", RGB(0, 0, 0), 200, RGB(200, 200, 0)},
        ShiftCase{"small amount leaves blue", RGB(50, 50, 191), 1, RGB(51, 51, 191)},
        ShiftCase{"small negative amount", RGB(50, 50, 191), -1, RGB(49, 49, 191)},
        ShiftCase{"blue 192 moves fully", RGB(0, 0, 192), 10, RGB(10, 10, 202)},
        ShiftCase{"button face, normal base", RGB(236, 233, 216), 48, RGB(255, 255, 255)},
        ShiftCase{"normal base, pressed", RGB(255, 255, 255), -32, RGB(223, 223, 213)},
        ShiftCase{"hover border line", 0x30B3F8, -40, RGB(208, 139, 38)},
        ShiftCase{"hover border light", 0x30B3F8, 200, RGB(255, 255, 98)},
        ShiftCase{"focus border line", 0xE4AD89, -33, RGB(104, 140, 189)}));

TEST(ShiftColor, OverflowRaisesRunTimeErrorSix) {
    for (std::int32_t amount : {0x7FFFFFFF, -0x7FFFFFFF - 1, 20000000}) {
        try {
            shared::ShiftColor(RGB(255, 255, 255), amount);
            ADD_FAILURE() << amount;
        } catch (const platform::basic::RuntimeError& error) {
            EXPECT_EQ(error.number(), 6);
        }
    }
}

// The host's side of DrawLine: the foreground colour sets the context's pen.
class CanvasSurface : public shared::DrawSurface {
public:
    explicit CanvasSurface(const Canvas& canvas) : canvas_(canvas) {}
    void SetForeColor(platform::raster::OLE_COLOR colour) override {
        foreColor = colour;
        platform::raster::SetDCPenColor(canvas_.dc(), platform::raster::ResolveOleColor(colour));
    }
    platform::raster::HDC hDC() override { return canvas_.dc(); }
    platform::raster::OLE_COLOR foreColor = 0;

private:
    const Canvas& canvas_;
};

struct LineCase {
    const char* what;
    int x1, y1, x2, y2;
    platform::raster::OLE_COLOR colour;
    Rows expected;
};

class DrawLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(DrawLineTest, StopsBeforeTheEndPoint) {
    const LineCase& c = GetParam();
    Canvas canvas({"....", "....", "...."});
    CanvasSurface surface(canvas);
    shared::DrawLine(surface, c.x1, c.y1, c.x2, c.y2, c.colour);
    EXPECT_EQ(surface.foreColor, c.colour) << "handed over untranslated";
    EXPECT_EQ(Read(canvas.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DrawLineTest,
    ::testing::Values(LineCase{"full row", 0, 1, 4, 1, 0x0000FF, {"....", "rrrr", "...."}},
                      LineCase{"column", 2, 0, 2, 2, 0xFF0000, {"..b.", "..b.", "...."}},
                      LineCase{"system colour",
                               1,
                               2,
                               3,
                               2,
                               platform::raster::SystemOleColor(18),
                               {"....", "....", ".##."}},
                      LineCase{"nothing", 3, 0, 3, 0, 0x0000FF, {"....", "....", "...."}}));

struct RectCase {
    const char* what;
    int x1, y1, x2, y2;
    platform::raster::OLE_COLOR colour;
    bool filled;
    Rows expected;
};

class DrawRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(DrawRectTest, FillsOrFramesTheExclusiveArea) {
    const RectCase& c = GetParam();
    Canvas canvas({"....", "....", "...."});
    const std::size_t before = platform::raster::LiveObjectCount();
    shared::DrawRect(canvas.dc(), c.x1, c.y1, c.x2, c.y2, c.colour, c.filled);
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
    EXPECT_EQ(Read(canvas.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, DrawRectTest,
    ::testing::Values(RectCase{"frame", 0, 0, 4, 3, 0x00FF00, false, {"gggg", "g..g", "gggg"}},
                      RectCase{"fill", 0, 0, 4, 3, 0x00FF00, true, {"gggg", "gggg", "gggg"}},
                      RectCase{"translated",
                               1,
                               1,
                               3,
                               2,
                               platform::raster::SystemOleColor(16),
                               true,
                               {"....", ".ss.", "...."}},
                      RectCase{"x2 = x1", 2, 0, 2, 3, 0x00FF00, true, {"....", "....", "...."}},
                      RectCase{"y2 < y1", 0, 2, 4, 1, 0x00FF00, false, {"....", "....", "...."}}));

struct BlitCase {
    const char* what;
    Rows source;
    platform::raster::OLE_COLOR key;
    int left, top, right, bottom, x, y;
    Rows expected;
};

class BlitTransparentTest : public ::testing::TestWithParam<BlitCase> {};

// The destination is its own background, as in every use.
TEST_P(BlitTransparentTest, KeyPixelsKeepWhatWasThere) {
    const BlitCase& c = GetParam();
    Canvas source(c.source);
    Canvas target({"yyyy", "yyyy", "yyyy"});
    const std::size_t before = platform::raster::LiveObjectCount();
    const platform::raster::COLORREF sourceBackground = platform::raster::GetBkColor(source.dc());
    shared::BlitTransparent(target.dc(), target.dc(), source.dc(), c.left, c.top, c.right, c.bottom,
                            c.x, c.y, c.key);
    EXPECT_EQ(Read(target.dc()), c.expected) << c.what;
    EXPECT_EQ(platform::raster::GetBkColor(source.dc()), sourceBackground);
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Blits, BlitTransparentTest,
    ::testing::Values(
        BlitCase{"all key", {"mm", "mm"}, 0xFF00FF, 0, 0, 2, 2, 1, 1, {"yyyy", "yyyy", "yyyy"}},
        BlitCase{"no key", {"rg", "b#"}, 0xFF00FF, 0, 0, 2, 2, 1, 1, {"yyyy", "yrgy", "yb#y"}},
        BlitCase{"mixed", {"rm", "mb"}, 0xFF00FF, 0, 0, 2, 2, 0, 0, {"ryyy", "ybyy", "yyyy"}},
        BlitCase{"black key", {"#r", "g#"}, 0, 0, 0, 2, 2, 2, 0, {"yyyr", "yygy", "yyyy"}},
        BlitCase{"white kept when not the key",
                 {".m"},
                 0xFF00FF,
                 0,
                 0,
                 2,
                 1,
                 0,
                 2,
                 {"yyyy", "yyyy", ".yyy"}},
        BlitCase{
            "source offset", {"rgb", "mm#"}, 0xFF00FF, 1, 0, 3, 2, 0, 0, {"gbyy", "y#yy", "yyyy"}},
        BlitCase{"system colour key leaves nothing out",
                 {"mm"},
                 platform::raster::SystemOleColor(15),
                 0,
                 0,
                 2,
                 1,
                 0,
                 0,
                 {"mmyy", "yyyy", "yyyy"}},
        BlitCase{"clipped at the edge",
                 {"rg", "bm"},
                 0xFF00FF,
                 0,
                 0,
                 2,
                 2,
                 3,
                 2,
                 {"yyyy", "yyyy", "yyyr"}},
        BlitCase{"empty area", {"rg"}, 0xFF00FF, 1, 0, 1, 1, 0, 0, {"yyyy", "yyyy", "yyyy"}}));

// A background other than the destination: key pixels take the background's
// pixel at the destination position.
TEST(BlitTransparent, KeyPixelsComeFromTheBackgroundContext) {
    Canvas source({"mr"});
    Canvas background({"bbb"});
    Canvas target({"yyy"});
    shared::BlitTransparent(target.dc(), background.dc(), source.dc(), 0, 0, 2, 1, 1, 0, 0xFF00FF);
    EXPECT_EQ(Read(target.dc()), Rows{"ybr"});
}

TEST(BlitTransparent, SizesBeyondSixteenBitsOverflowBeforeAnyContext) {
    Canvas canvas(2, 2);
    const std::size_t before = platform::raster::LiveObjectCount();
    for (const auto& [right, bottom] : {std::pair{40000, 1}, std::pair{1, -40000}}) {
        try {
            shared::BlitTransparent(canvas.dc(), canvas.dc(), canvas.dc(), 0, 0, right, bottom, 0,
                                    0, 0);
            ADD_FAILURE();
        } catch (const platform::basic::RuntimeError& error) {
            EXPECT_EQ(error.number(), 6);
        }
    }
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

TEST(ColourBlit, TenThousandCallsLeaveNoObjectBehind) {
    Canvas source({"rm", "mb"});
    Canvas target(4, 4);
    CanvasSurface surface(target);
    const std::size_t before = platform::raster::LiveObjectCount();
    for (int i = 0; i < 10000; ++i) {
        shared::BlitTransparent(target.dc(), target.dc(), source.dc(), 0, 0, 2, 2, i % 3, 1,
                                0xFF00FF);
        shared::DrawRect(target.dc(), 0, 0, 4, 4, platform::raster::SystemOleColor(15), i % 2);
        shared::DrawLine(surface, 0, i % 4, 4, i % 4, 0x4B4B4B);
    }
    EXPECT_EQ(platform::raster::LiveObjectCount(), before);
}

}  // namespace
}  // namespace controls
