#include <gtest/gtest.h>

#include "platform/raster/raster.h"
#include "support/row_print.h"
#include "tests/platform/raster_fixture.h"

namespace platform::raster {
namespace {

using testing::Canvas;
using testing::Read;
using testing::Rows;

// Colour to monochrome: the source's background colour becomes 1 (white),
// every other colour 0 (black), whatever its brightness.
struct ToMonoCase {
    const char* what;
    COLORREF background;
    Rows expected;
};

using support::PrintTo;

class ColourToMonoTest : public ::testing::TestWithParam<ToMonoCase> {};

TEST_P(ColourToMonoTest, BackgroundColourBecomesWhite) {
    const ToMonoCase& c = GetParam();
    Canvas source({"rgm.#"});
    Canvas mask(5, 1, true);
    SetBkColor(source.dc(), c.background);
    BitBlt(mask.dc(), 0, 0, 5, 1, source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Read(mask.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ColourToMonoTest,
    ::testing::Values(ToMonoCase{"magenta", RGB(255, 0, 255), {"##.##"}},
                      ToMonoCase{"white is not kept for being white", RGB(255, 0, 0), {".####"}},
                      ToMonoCase{"black key", RGB(0, 0, 0), {"####."}},
                      ToMonoCase{"default white", RGB(255, 255, 255), {"###.#"}},
                      ToMonoCase{"system colour value matches nothing", 0x8000000Fu, {"#####"}}));

// Monochrome to colour: 1 takes the destination's background colour, 0 its
// text colour.
struct ToColourCase {
    const char* what;
    COLORREF background, text;
    Rows expected;
};

class MonoToColourTest : public ::testing::TestWithParam<ToColourCase> {};

TEST_P(MonoToColourTest, BitsTakeTheDestinationColours) {
    const ToColourCase& c = GetParam();
    Canvas mask(4, 1, true);
    SetPixelV(mask.dc(), 1, 0, RGB(255, 255, 255));
    SetPixelV(mask.dc(), 3, 0, RGB(255, 255, 255));
    Canvas target({"...."});
    SetBkColor(target.dc(), c.background);
    SetTextColor(target.dc(), c.text);
    BitBlt(target.dc(), 0, 0, 4, 1, mask.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Read(target.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, MonoToColourTest,
    ::testing::Values(ToColourCase{"fresh context", RGB(255, 255, 255), 0, {"#.#."}},
                      ToColourCase{"red on green", RGB(0, 255, 0), RGB(255, 0, 0), {"rgrg"}},
                      ToColourCase{"swapped", 0, RGB(255, 255, 255), {".#.#"}}));

// The source's own colours play no part in monochrome to colour, nor the
// destination's in colour to monochrome.
TEST(MonoConversion, UsesOnlyTheNamedSideColours) {
    Canvas mask(2, 1, true);
    SetPixelV(mask.dc(), 0, 0, RGB(255, 255, 255));
    SetBkColor(mask.dc(), RGB(0, 0, 255));
    SetTextColor(mask.dc(), RGB(0, 255, 255));
    Canvas target({".."});
    BitBlt(target.dc(), 0, 0, 2, 1, mask.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Read(target.dc()), Rows{".#"});

    Canvas source({"rb"});
    SetBkColor(source.dc(), RGB(0, 0, 255));
    SetBkColor(mask.dc(), RGB(255, 0, 0));
    BitBlt(mask.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Read(mask.dc()), Rows{"#."});
}

// A bitmap compatible with a context has the format of what it draws on.
struct CompatibleCase {
    const char* what;
    int kind;  // 0 display, 1 fresh memory context, 2 colour memory, 3 mono memory, 4 surface
    bool mono;
};

class CompatibleBitmapTest : public ::testing::TestWithParam<CompatibleCase> {};

TEST_P(CompatibleBitmapTest, FollowsTheContextsFormat) {
    const CompatibleCase& c = GetParam();
    QImage image(4, 4, QImage::Format_RGB32);
    Canvas colour(2, 2), mono(2, 2, true);
    const HDC fresh = CreateCompatibleDC(HDC{});
    const HDC surface = CreateImageDC(&image);
    const HDC contexts[] = {HDC{}, fresh, colour.dc(), mono.dc(), surface};
    const HBITMAP bitmap = CreateCompatibleBitmap(contexts[c.kind], 3, 2);
    EXPECT_EQ(IsMonochromeBitmap(bitmap), c.mono) << c.what;
    EXPECT_EQ(BitmapWidth(bitmap), 3);
    EXPECT_EQ(BitmapHeight(bitmap), 2);
    DeleteObject(bitmap);
    DeleteDC(fresh);
    DeleteDC(surface);
}

INSTANTIATE_TEST_SUITE_P(Contexts, CompatibleBitmapTest,
                         ::testing::Values(CompatibleCase{"display", 0, false},
                                           CompatibleCase{"fresh memory context", 1, true},
                                           CompatibleCase{"colour memory context", 2, false},
                                           CompatibleCase{"mono memory context", 3, true},
                                           CompatibleCase{"surface", 4, false}));

TEST(Bitmaps, NewOnesAreBlackAndOddSizesAreHandled) {
    Canvas colour(2, 1), mono(2, 1, true);
    EXPECT_EQ(Read(colour.dc()), Rows{"##"});
    EXPECT_EQ(Read(mono.dc()), Rows{"##"});
    const HBITMAP empty = CreateCompatibleBitmap(HDC{}, 0, 5);
    EXPECT_TRUE(IsMonochromeBitmap(empty));
    EXPECT_EQ(BitmapWidth(empty), 1);
    DeleteObject(empty);
    EXPECT_FALSE(CreateCompatibleBitmap(HDC{}, -1, 5));
    EXPECT_FALSE(CreateBitmap(100000, 100000, 1, 32, nullptr));
    EXPECT_FALSE(CreateBitmap(4, 4, 1, 8, nullptr));
}

TEST(Bitmaps, InitialBitsAreLaidOutAsOnThePlatform) {
    const std::uint8_t monoBits[] = {0b10100000, 0, 0b01000000, 0};
    const HBITMAP mono = CreateBitmap(3, 2, 1, 1, monoBits);
    const std::uint32_t colourBits[] = {0x00FF0000, 0x0000FF00};
    const HBITMAP colour = CreateBitmap(2, 1, 1, 32, colourBits);
    const HDC dc = CreateCompatibleDC(HDC{});
    HBITMAP previous = SelectObject(dc, mono);
    EXPECT_EQ(Read(dc), (Rows{".#.", "#.#"}));
    SelectObject(dc, colour);
    EXPECT_EQ(Read(dc), Rows{"rg"});
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(mono);
    DeleteObject(colour);
}

// A surface context writes into the caller's image, opaque.
TEST(SurfaceContext, DrawsIntoTheImage) {
    QImage image(3, 1, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const HDC surface = CreateImageDC(&image);
    SetPixelV(surface, 1, 0, RGB(255, 0, 0));
    DeleteDC(surface);
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

// The owner may replace or resize the image between calls, even in another format.
TEST(SurfaceContext, FollowsAReplacedImage) {
    QImage image(2, 1, QImage::Format_RGB888);
    image.fill(Qt::white);
    const HDC surface = CreateImageDC(&image);
    EXPECT_EQ(GetPixel(surface, 1, 0), RGB(255, 255, 255));
    image = QImage(4, 2, QImage::Format_Grayscale8);
    image.fill(0);
    EXPECT_EQ(DcWidth(surface), 4);
    SetPixelV(surface, 3, 1, RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(surface, 3, 1), RGB(0, 0, 255));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    DeleteDC(surface);
}

}  // namespace
}  // namespace platform::raster
