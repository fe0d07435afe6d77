#include <gtest/gtest.h>

#include "platform/raster/raster.h"
#include "support/row_print.h"
#include "tests/platform/raster_fixture.h"

namespace platform::raster {
namespace {

using testing::Canvas;
using testing::Read;
using testing::Rows;

struct BitmapCase {
    const char* what;
    unsigned flags;
    int x, y, cx, cy;
    Rows expected;
};

using support::PrintTo;

class DrawStateBitmapTest : public ::testing::TestWithParam<BitmapCase> {};

// The bitmap {"#..", ".r."} on a green 5 x 4 canvas. Disabled: its non-white
// pixels, highlight ('.') one pixel right and down, shadow ('s') over that.
TEST_P(DrawStateBitmapTest, DrawsNormalOrEmbossed) {
    const BitmapCase& c = GetParam();
    const HBITMAP picture = [] {
        Canvas source({"#..", ".r."});
        return CreateBitmapFromImage(BitmapToImage(source.bitmap()));
    }();
    Canvas canvas({"ggggg", "ggggg", "ggggg", "ggggg"});
    EXPECT_TRUE(DrawStateA(canvas.dc(), HBRUSH{}, picture.id, c.x, c.y, c.cx, c.cy, c.flags));
    EXPECT_EQ(Read(canvas.dc()), c.expected) << c.what;
    DeleteObject(picture);
}

INSTANTIATE_TEST_SUITE_P(
    States, DrawStateBitmapTest,
    ::testing::Values(
        BitmapCase{"normal", DST_BITMAP, 1, 1, 0, 0, {"ggggg", "g#..g", "g.r.g", "ggggg"}},
        BitmapCase{"normal, cut", DST_BITMAP, 0, 0, 2, 1, {"#.ggg", "ggggg", "ggggg", "ggggg"}},
        BitmapCase{"disabled",
                   DST_BITMAP | DSS_DISABLED,
                   1,
                   1,
                   0,
                   0,
                   {"ggggg", "gsggg", "ggsgg", "ggg.g"}},
        BitmapCase{"disabled at the edge",
                   DST_BITMAP | DSS_DISABLED,
                   3,
                   2,
                   0,
                   0,
                   {"ggggg", "ggggg", "gggsg", "ggggs"}}));

QImage SampleIcon() {
    QImage icon(2, 2, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(255, 0, 0, 255));
    icon.setPixel(1, 0, qRgba(0, 0, 255, 128));
    icon.setPixel(0, 1, qRgba(0, 255, 0, 0));
    icon.setPixel(1, 1, qRgba(0, 255, 0, 255));
    return icon;
}

// Disabled icons emboss their opaque shape; the half-transparent pixel counts
// as opaque from one half on.
TEST(DrawStateIcon, DisabledEmbossesTheOpaqueShape) {
    const HICON icon = CreateIconFromImage(SampleIcon());
    Canvas canvas({"###", "###", "###"});
    EXPECT_TRUE(DrawStateA(canvas.dc(), HBRUSH{}, icon.id, 0, 0, 0, 0, DST_ICON | DSS_DISABLED));
    EXPECT_EQ(Read(canvas.dc()), (Rows{"ss#", "#s.", "##."}));
    DestroyIcon(icon);
}

TEST(DrawStateIcon, NormalBlendsThroughTheAlphaChannel) {
    const HICON icon = CreateIconFromImage(SampleIcon());
    Canvas canvas({"..", ".."});
    EXPECT_TRUE(DrawStateA(canvas.dc(), HBRUSH{}, icon.id, 0, 0, 0, 0, DST_ICON));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 0), RGB(127, 127, 255));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(canvas.dc(), 1, 1), RGB(0, 255, 0));
    DestroyIcon(icon);
}

TEST(DrawState, RefusesUnknownOrMismatchedHandles) {
    const HICON icon = CreateIconFromImage(SampleIcon());
    Canvas canvas(2, 2);
    EXPECT_FALSE(DrawStateA(canvas.dc(), HBRUSH{}, icon.id, 0, 0, 0, 0, DST_BITMAP));
    EXPECT_FALSE(DrawStateA(canvas.dc(), HBRUSH{}, canvas.bitmap().id, 0, 0, 0, 0, DST_ICON));
    EXPECT_FALSE(DrawStateA(canvas.dc(), HBRUSH{}, icon.id, 0, 0, 0, 0, 1));
    EXPECT_FALSE(DrawStateA(HDC{}, HBRUSH{}, icon.id, 0, 0, 0, 0, DST_ICON));
    DestroyIcon(icon);
}

// As on the platform, a bitmap still selected into another context cannot be
// drawn normally; the caller takes it out first.
TEST(DrawState, BitmapSelectedElsewhereIsNotDrawn) {
    Canvas holder({"r"});
    Canvas canvas({"."});
    EXPECT_FALSE(DrawStateA(canvas.dc(), HBRUSH{}, holder.bitmap().id, 0, 0, 0, 0, DST_BITMAP));
    EXPECT_EQ(Read(canvas.dc()), Rows{"."});
}

}  // namespace
}  // namespace platform::raster
