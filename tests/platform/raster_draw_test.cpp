#include <gtest/gtest.h>

#include "platform/raster/raster.h"
#include "support/row_print.h"
#include "tests/platform/raster_fixture.h"

namespace platform::raster {
namespace {

using testing::Canvas;
using testing::Read;
using testing::Rows;

struct RectCase {
    const char* what;
    RECT rect;
    bool frame;
    Rows expected;
};

using support::PrintTo;

class RectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(RectTest, RightAndBottomAreExclusive) {
    const RectCase& c = GetParam();
    Canvas canvas({".....", ".....", ".....", "....."});
    const HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    EXPECT_TRUE(c.frame ? FrameRect(canvas.dc(), c.rect, brush)
                        : FillRect(canvas.dc(), c.rect, brush));
    DeleteObject(brush);
    EXPECT_EQ(Read(canvas.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rectangles, RectTest,
    ::testing::Values(
        RectCase{"fill", {1, 1, 4, 3}, false, {".....", ".rrr.", ".rrr.", "....."}},
        RectCase{"frame", {0, 0, 5, 4}, true, {"rrrrr", "r...r", "r...r", "rrrrr"}},
        RectCase{"frame two wide", {1, 0, 3, 3}, true, {".rr..", ".rr..", ".rr..", "....."}},
        RectCase{"frame one high", {0, 1, 4, 2}, true, {".....", "rrrr.", ".....", "....."}},
        RectCase{"empty fill", {2, 2, 2, 4}, false, {".....", ".....", ".....", "....."}},
        RectCase{"inverted frame", {4, 3, 1, 1}, true, {".....", ".....", ".....", "....."}},
        RectCase{"clipped fill", {-2, 3, 9, 9}, false, {".....", ".....", ".....", "rrrrr"}},
        RectCase{"clipped frame", {3, -1, 9, 3}, true, {"...r.", "...r.", "...rr", "....."}}));

TEST(FillRect, SystemColourBrushAndUnknownBrush) {
    Canvas canvas({".."});
    EXPECT_TRUE(FillRect(canvas.dc(), RECT{0, 0, 1, 1}, GetSysColorBrush(COLOR_BTNSHADOW)));
    EXPECT_FALSE(FillRect(canvas.dc(), RECT{1, 0, 2, 1}, HBRUSH{}));
    EXPECT_EQ(Read(canvas.dc()), Rows{"s."});
}

struct LineCase {
    const char* what;
    POINT from, to;
    Rows expected;
};

class LineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTest, EndPointIsNotDrawn) {
    const LineCase& c = GetParam();
    Canvas canvas({".....", ".....", ".....", "....."});
    SetDCPenColor(canvas.dc(), RGB(0, 0, 255));
    MoveToEx(canvas.dc(), c.from.x, c.from.y, nullptr);
    EXPECT_TRUE(LineTo(canvas.dc(), c.to.x, c.to.y));
    EXPECT_EQ(GetCurrentPosition(canvas.dc()), c.to);
    EXPECT_EQ(Read(canvas.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(
        LineCase{"across", {0, 1}, {5, 1}, {".....", "bbbbb", ".....", "....."}},
        LineCase{"right to left", {4, 2}, {1, 2}, {".....", ".....", "..bbb", "....."}},
        LineCase{"down", {2, 0}, {2, 3}, {"..b..", "..b..", "..b..", "....."}},
        LineCase{"diagonal", {0, 0}, {3, 3}, {"b....", ".b...", "..b..", "....."}},
        LineCase{
            "single point draws nothing", {2, 2}, {2, 2}, {".....", ".....", ".....", "....."}},
        LineCase{"from outside", {-3, 0}, {2, 0}, {"bb...", ".....", ".....", "....."}}));

TEST(LineTo, ContinuesFromTheLastEndAndKeepsThePreviousPosition) {
    Canvas canvas({"...", "..."});
    POINT previous{9, 9};
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    MoveToEx(canvas.dc(), 0, 1, &previous);
    EXPECT_EQ(previous, (POINT{0, 0}));
    SetDCPenColor(canvas.dc(), RGB(255, 0, 0));
    LineTo(canvas.dc(), 2, 1);
    LineTo(canvas.dc(), 2, 0);
    EXPECT_EQ(Read(canvas.dc()), (Rows{"...", "rrr"}));
}

struct PixelCase {
    int x, y;
    COLORREF expected;
};

void PrintTo(const PixelCase& c, std::ostream* os) {
    *os << c.x << "," << c.y;
}

class GetPixelTest : public ::testing::TestWithParam<PixelCase> {};

TEST_P(GetPixelTest, OutsideTheBitmapIsInvalid) {
    const PixelCase& c = GetParam();
    Canvas canvas({"r.", "gb"});
    EXPECT_EQ(GetPixel(canvas.dc(), c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, GetPixelTest,
    ::testing::Values(PixelCase{0, 0, RGB(255, 0, 0)}, PixelCase{1, 1, RGB(0, 0, 255)},
                      PixelCase{2, 0, CLR_INVALID}, PixelCase{0, 2, CLR_INVALID},
                      PixelCase{-1, 0, CLR_INVALID}, PixelCase{0, -1, CLR_INVALID}));

TEST(SetPixelV, OutsideFailsAndMonochromeTakesTheNearest) {
    Canvas canvas(3, 1, true);
    EXPECT_FALSE(SetPixelV(canvas.dc(), 3, 0, 0));
    SetPixelV(canvas.dc(), 0, 0, RGB(200, 200, 200));
    SetPixelV(canvas.dc(), 1, 0, RGB(100, 100, 100));
    SetPixelV(canvas.dc(), 2, 0, RGB(255, 255, 0));
    EXPECT_EQ(Read(canvas.dc()), Rows{".#."});
    EXPECT_EQ(GetPixel(HDC{}, 0, 0), CLR_INVALID);
}

}  // namespace
}  // namespace platform::raster
