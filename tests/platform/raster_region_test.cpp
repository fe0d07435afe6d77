#include <gtest/gtest.h>

#include <QRegion>

#include "platform/raster/raster.h"
#include "support/row_print.h"

namespace platform::raster {
namespace {

// Pixels of a region as rows: '#' inside, '.' outside.
std::vector<std::string> Pixels(HRGN region, int w, int h) {
    const QRegion pixels = RegionToQRegion(region);
    std::vector<std::string> rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) row += pixels.contains(QPoint(x, y)) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

struct CombineCase {
    const char* what;
    int mode;
    int kind;
    std::vector<std::string> expected;
};

using support::PrintTo;

class CombineTest : public ::testing::TestWithParam<CombineCase> {};

// a covers columns 0..2, b columns 2..3, both rows 0..1.
TEST_P(CombineTest, ModesGiveTheirPixels) {
    const CombineCase& c = GetParam();
    const HRGN a = CreateRectRgn(0, 0, 3, 2);
    const HRGN b = CreateRectRgn(2, 0, 4, 2);
    const HRGN result = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.kind) << c.what;
    EXPECT_EQ(Pixels(result, 5, 2), c.expected) << c.what;
    for (HRGN region : {a, b, result}) DeleteObject(region);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CombineTest,
    ::testing::Values(CombineCase{"and", RGN_AND, SIMPLEREGION, {"..#..", "..#.."}},
                      CombineCase{"or", RGN_OR, SIMPLEREGION, {"####.", "####."}},
                      CombineCase{"xor", RGN_XOR, COMPLEXREGION, {"##.#.", "##.#."}},
                      CombineCase{"diff", RGN_DIFF, SIMPLEREGION, {"##...", "##..."}},
                      CombineCase{"copy", RGN_COPY, SIMPLEREGION, {"###..", "###.."}},
                      CombineCase{"unknown mode", 9, RGN_ERROR, {".....", "....."}}));

TEST(CombineRgn, EmptyResultAndUnknownHandles) {
    const HRGN a = CreateRectRgn(0, 0, 2, 2);
    const HRGN b = CreateRectRgn(5, 5, 6, 6);
    EXPECT_EQ(CombineRgn(a, a, b, RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(a, a, HRGN{}, RGN_OR), RGN_ERROR);
    EXPECT_EQ(CombineRgn(a, b, HRGN{}, RGN_COPY), SIMPLEREGION);
    for (HRGN region : {a, b}) DeleteObject(region);
}

// Cutting three pixels off each corner, alternating between the region and a
// scratch region, as the rounded button does.
TEST(CombineRgn, RoundedCornersLoseTwelvePixels) {
    const int w = 6, h = 5;
    HRGN shape = CreateRectRgn(0, 0, w, h);
    HRGN scratch = CreateRectRgn(0, 0, 0, 0);
    const RECT cuts[] = {
        {0, 0, 2, 1}, {0, h - 1, 2, h},     {w - 2, 0, w, 1}, {w - 2, h - 1, w, h},
        {0, 1, 1, 2}, {0, h - 2, 1, h - 1}, {w - 1, 1, w, 2}, {w - 1, h - 2, w, h - 1}};
    for (const RECT& cut : cuts) {
        const HRGN corner = CreateRectRgn(cut.left, cut.top, cut.right, cut.bottom);
        CombineRgn(scratch, shape, corner, RGN_DIFF);
        DeleteObject(corner);
        std::swap(shape, scratch);
    }
    EXPECT_EQ(Pixels(shape, w, h),
              (std::vector<std::string>{"..##..", ".####.", "######", ".####.", "..##.."}));
    DeleteObject(shape);
    DeleteObject(scratch);
}

TEST(CreateRectRgn, InvertedOrEmptyCoordinatesGiveAnEmptyRegion) {
    for (const RECT& rect : {RECT{3, 3, 1, 5}, RECT{0, 0, 0, 0}, RECT{2, 4, 5, 4}}) {
        const HRGN region = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
        EXPECT_TRUE(RegionToQRegion(region).isEmpty());
        DeleteObject(region);
    }
    EXPECT_TRUE(RegionToQRegion(HRGN{}).isEmpty());
}

}  // namespace
}  // namespace platform::raster
