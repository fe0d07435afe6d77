#include <gtest/gtest.h>

#include "platform/raster/raster.h"
#include "tests/platform/raster_fixture.h"

namespace platform::raster {
namespace {

TEST(Selection, ReturnsThePreviousObjectAndHandsBitmapsBack) {
    const std::size_t before = LiveObjectCount();
    const HDC dc = CreateCompatibleDC(HDC{});
    const HBITMAP stock = GetCurrentBitmap(dc);
    EXPECT_TRUE(IsMonochromeBitmap(stock));
    EXPECT_EQ(BitmapWidth(stock), 1);
    const HBITMAP bitmap = CreateCompatibleBitmap(HDC{}, 3, 3);
    EXPECT_EQ(SelectObject(dc, bitmap), stock);
    EXPECT_FALSE(DeleteObject(bitmap));  // selected: refused
    EXPECT_EQ(SelectObject(dc, stock), bitmap);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_FALSE(DeleteObject(bitmap));  // already gone
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(LiveObjectCount(), before);
}

TEST(Selection, ABitmapLivesInOneContextAtATime) {
    const HDC first = CreateCompatibleDC(HDC{});
    const HDC second = CreateCompatibleDC(HDC{});
    const HBITMAP bitmap = CreateCompatibleBitmap(HDC{}, 2, 2);
    const HBITMAP stock = SelectObject(first, bitmap);
    EXPECT_FALSE(SelectObject(second, bitmap));
    EXPECT_EQ(SelectObject(first, bitmap), bitmap);  // again into the same one
    DeleteDC(first);                                 // frees the bitmap for the caller
    EXPECT_EQ(SelectObject(second, bitmap), stock);
    SelectObject(second, stock);
    DeleteDC(second);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(Selection, SurfaceContextsTakeNoBitmapAndBadHandlesFail) {
    QImage image(2, 2, QImage::Format_RGB32);
    const HDC surface = CreateImageDC(&image);
    const HBITMAP bitmap = CreateCompatibleBitmap(HDC{}, 2, 2);
    EXPECT_FALSE(SelectObject(surface, bitmap));
    EXPECT_FALSE(SelectObject(surface, HBRUSH{}));
    EXPECT_FALSE(SelectObject(HDC{}, bitmap));
    EXPECT_EQ(DcWidth(surface), 2);
    EXPECT_EQ(SetBkColor(HDC{}, 0), CLR_INVALID);
    EXPECT_FALSE(DeleteObject(HGDIOBJ(surface)));  // contexts go with DeleteDC
    DeleteDC(surface);
    DeleteObject(bitmap);
}

TEST(Selection, BrushesAndFontsSelectedAreNotDeleted) {
    const HDC dc = CreateCompatibleDC(HDC{});
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    const HFONT font = CreateFontFromQFont(QFont());
    const HBRUSH oldBrush = SelectObject(dc, brush);
    const HFONT oldFont = SelectObject(dc, font);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(font));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldFont);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(DeleteObject(font));
    DeleteDC(dc);
}

TEST(Selection, NewContextDefaults) {
    const HDC dc = CreateCompatibleDC(HDC{});
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetDCPenColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetCurrentPosition(dc), (POINT{0, 0}));
    EXPECT_TRUE(GetCurrentFont(dc));
    EXPECT_TRUE(GetCurrentPalette(dc));
    EXPECT_EQ(SetBkColor(dc, RGB(9, 9, 9)), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(9, 9, 9));
    DeleteDC(dc);
}

// Every kind of object made and freed in the usual patterns, many times over,
// leaves no object behind.
TEST(ObjectCount, RepeatedWorkLeavesItUnchanged) {
    testing::Canvas surface(40, 20);
    const std::size_t before = LiveObjectCount();
    QImage argb(4, 4, QImage::Format_ARGB32);
    argb.fill(qRgba(255, 0, 0, 255));
    for (int i = 0; i < 10000; ++i) {
        const HDC memory = CreateCompatibleDC(surface.dc());
        const HBITMAP bitmap = CreateCompatibleBitmap(surface.dc(), 8, 8);
        const HBITMAP mask = CreateBitmap(8, 8, 1, 1, nullptr);
        const HBITMAP previous = SelectObject(memory, bitmap);
        const HBRUSH brush = CreateSolidBrush(RGB(i & 0xFF, 0, 0));
        FillRect(memory, RECT{0, 0, 8, 8}, brush);
        BitBlt(surface.dc(), i % 30, 0, 8, 8, memory, 0, 0, SRCCOPY);
        SelectObject(memory, mask);
        DrawStateA(surface.dc(), HBRUSH{}, bitmap.id, 0, 0, 0, 0, DST_BITMAP | DSS_DISABLED);
        SelectObject(memory, previous);
        const HRGN region = CreateRectRgn(0, 0, 8, 8);
        const HRGN cut = CreateRectRgn(0, 0, 1, 1);
        CombineRgn(region, region, cut, RGN_DIFF);
        const PicturePtr picture = Picture::FromBitmap(bitmap, HPALETTE{}, true);
        const PicturePtr icon = IconPictureFromImage(argb);
        for (HGDIOBJ object : {HGDIOBJ(brush), HGDIOBJ(region), HGDIOBJ(cut), HGDIOBJ(mask)})
            DeleteObject(object);
        DeleteDC(memory);
    }
    EXPECT_EQ(LiveObjectCount(), before);
}

}  // namespace
}  // namespace platform::raster
