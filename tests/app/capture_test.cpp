#include <gtest/gtest.h>

#include <array>

#include "app/ImgBlt/Capture.h"
#include "platform/raster/raster.h"
#include "support/row_print.h"

namespace {

using namespace platform::raster;

// A 6 x 4 surface whose pixel (x, y) is RGB(x * 40, y * 60, 7).
class CaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        image_ = QImage(6, 4, QImage::Format_RGB32);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x) image_.setPixel(x, y, qRgb(x * 40, y * 60, 7));
        surface_ = CreateImageDC(&image_);
        before_ = LiveObjectCount();
    }
    void TearDown() override {
        SetDisplayMode(DisplayMode::TrueColor);
        DeleteDC(surface_);
    }

    QImage image_;
    HDC surface_;
    std::size_t before_ = 0;
};

struct RectCase {
    const char* what;
    int x, y, w, h;
};

using support::PrintTo;

class CaptureRectTest : public CaptureTest, public ::testing::WithParamInterface<RectCase> {};

TEST_P(CaptureRectTest, PictureHoldsTheRectangleFromItsOrigin) {
    const RectCase& c = GetParam();
    const PicturePtr picture = ImgBlt::CaptureToPicture(surface_, c.x, c.y, c.w, c.h);
    ASSERT_TRUE(picture) << c.what;
    EXPECT_EQ(picture->Type(), PictureType::Bitmap);
    EXPECT_FALSE(IsMonochromeBitmap(picture->Bitmap())) << "display format, not monochrome";
    EXPECT_EQ(picture->Width(), PixelsToHimetric(c.w));
    EXPECT_EQ(picture->Height(), PixelsToHimetric(c.h));
    const QImage copy = picture->ToImage();
    for (int y = 0; y < c.h; ++y)
        for (int x = 0; x < c.w; ++x)
            EXPECT_EQ(copy.pixel(x, y), image_.pixel(c.x + x, c.y + y)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Rectangles, CaptureRectTest,
                         ::testing::Values(RectCase{"whole", 0, 0, 6, 4},
                                           RectCase{"at an offset", 2, 1, 3, 2},
                                           RectCase{"one pixel", 5, 3, 1, 1}));

struct PaletteCase {
    const char* what;
    DisplayMode mode;
    bool palette;
};

class CapturePaletteTest : public CaptureTest, public ::testing::WithParamInterface<PaletteCase> {};

TEST_P(CapturePaletteTest, PaletteOnlyOnA256ColourPaletteDisplay) {
    const PaletteCase& c = GetParam();
    SetDisplayMode(c.mode);
    {
        const PicturePtr picture = ImgBlt::CaptureToPicture(surface_, 1, 1, 2, 2);
        ASSERT_TRUE(picture);
        EXPECT_EQ(bool(picture->hPal()), c.palette) << c.what;
        EXPECT_EQ(LiveObjectCount(), before_ + (c.palette ? 2 : 1)) << "only what it owns lives";
        if (c.palette) {
            std::array<PALETTEENTRY, 256> system{}, held{};
            GetSystemPaletteEntries(surface_, 0, system);
            EXPECT_EQ(GetPaletteEntries(picture->hPal(), 0, held), 256u);
            EXPECT_EQ(held, system);
        }
    }
    EXPECT_EQ(LiveObjectCount(), before_) << "releasing the picture frees its handles";
}

INSTANTIATE_TEST_SUITE_P(
    Displays, CapturePaletteTest,
    ::testing::Values(PaletteCase{"true colour", DisplayMode::TrueColor, false},
                      PaletteCase{"256 colours", DisplayMode::Palette256, true},
                      PaletteCase{"16 colours", DisplayMode::Palette16, false}));

TEST_F(CaptureTest, TheSourceContextIsLeftAsItWas) {
    const HBITMAP bitmap = CreateCompatibleBitmap(surface_, 3, 3);
    const HDC memory = CreateCompatibleDC(surface_);
    const HBITMAP stock = SelectObject(memory, bitmap);
    SetPixelV(memory, 1, 1, RGB(9, 8, 7));
    const PicturePtr picture = ImgBlt::CaptureToPicture(memory, 1, 1, 1, 1);
    EXPECT_EQ(GetCurrentBitmap(memory), bitmap);
    EXPECT_EQ(picture->ToImage().pixel(0, 0), qRgb(9, 8, 7));
    SelectObject(memory, stock);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST_F(CaptureTest, RepeatedCapturesLeaveNoObjectBehind) {
    SetDisplayMode(DisplayMode::Palette256);
    for (int i = 0; i < 10000; ++i) ImgBlt::CaptureToPicture(surface_, i % 4, 0, 2, 4);
    EXPECT_EQ(LiveObjectCount(), before_);
}

TEST_F(CaptureTest, BitmapToPictureOwnsWhatItIsGiven) {
    {
        const PicturePtr picture =
            ImgBlt::BitmapToPicture(CreateCompatibleBitmap(surface_, 2, 2), HPALETTE{});
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Type(), PictureType::Bitmap);
        EXPECT_EQ(picture->PixelWidth(), 2);
    }
    EXPECT_EQ(LiveObjectCount(), before_);
    EXPECT_EQ(ImgBlt::BitmapToPicture(HBITMAP{}, HPALETTE{}), nullptr);
}

}  // namespace
