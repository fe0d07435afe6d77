#include <gtest/gtest.h>

#include <QRegion>
#include <array>

#include "controls/XPCommand/xp_face.h"
#include "controls/XPCommand/xp_gradient.h"
#include "controls/XPCommand/xp_region.h"
#include "controls/shared/colour_blit.h"
#include "platform/raster/objects.h"
#include "platform/raster/region.h"
#include "platform/raster/sys_color.h"
#include "xpcommand_surface_fixture.h"

namespace {

using controls::XPFaceInputs;
using platform::raster::COLORREF;
using platform::raster::RGB;

constexpr COLORREF kSentinel = RGB(255, 0, 255);
constexpr platform::raster::OLE_COLOR kFace = 0xD8E9EC;  // 236, 233, 216

XPFaceInputs Inputs(int W, int H) {
    XPFaceInputs in;
    in.W = W;
    in.H = H;
    in.BackColor = kFace;
    in.XPColor_Pressed = 0xE4AD89;
    in.XPColor_Hover = 0x30B3F8;
    return in;
}

enum class Face { Normal, Focus, Hover, FocusHover, Pressed, Disabled };

XPFaceInputs StateOf(Face face, int W, int H) {
    XPFaceInputs in = Inputs(W, H);
    in.g_HasFocus = face == Face::Focus || face == Face::FocusHover;
    in.g_Hover = face == Face::Hover || face == Face::FocusHover;
    in.g_Pressed = face == Face::Pressed;
    in.Enabled = face != Face::Disabled;
    return in;
}

void Paint(xptest::ImageSurface& surface, const XPFaceInputs& in) {
    controls::PaintButton(surface, in, static_cast<int>(surface.ScaleWidth()),
                          static_cast<int>(surface.ScaleHeight()));
}

// --- gradient rows -------------------------------------------------------

struct GradientRowsCase {
    Face face;
    int height;
    int depth;
    bool bottomUp;
    COLORREF base;
};

void PrintTo(const GradientRowsCase& c, std::ostream* os) {
    *os << "face " << static_cast<int>(c.face) << " height " << c.height << " depth " << c.depth;
}

class GradientRows : public ::testing::TestWithParam<GradientRowsCase> {};

// The middle column between the bevel rows shows the gradient alone: line i
// on row i top-down, on row H - i bottom-up.
TEST_P(GradientRows, MiddleColumnCarriesTheGradientLines) {
    const GradientRowsCase& c = GetParam();
    constexpr int W = 40;
    xptest::ImageSurface surface(W, c.height, kSentinel);
    Paint(surface, StateOf(c.face, W, c.height));
    const float step = controls::GradientStep(c.depth, c.height);
    for (int y = 3; y <= c.height - 4; ++y) {
        const int line = c.bottomUp ? c.height - y : y;
        const auto expected = static_cast<COLORREF>(controls::shared::ShiftColor(
            static_cast<std::int32_t>(c.base), controls::GradientAmount(step, line)));
        EXPECT_EQ(surface.Pixel(W / 2, y), expected) << "row " << y;
    }
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPressedBase = RGB(223, 223, 213);

INSTANTIATE_TEST_SUITE_P(
    Faces, GradientRows,
    ::testing::Values(GradientRowsCase{Face::Normal, 20, 25, false, kWhite},
                      GradientRowsCase{Face::Normal, 25, 25, false, kWhite},
                      GradientRowsCase{Face::Normal, 30, 25, false, kWhite},
                      GradientRowsCase{Face::Normal, 14, 25, false, kWhite},
                      GradientRowsCase{Face::Pressed, 20, 15, true, kPressedBase},
                      GradientRowsCase{Face::Pressed, 25, 15, true, kPressedBase},
                      GradientRowsCase{Face::Pressed, 30, 15, true, kPressedBase},
                      GradientRowsCase{Face::Pressed, 14, 15, true, kPressedBase},
                      GradientRowsCase{Face::Disabled, 20, 50, false, kWhite},
                      GradientRowsCase{Face::Disabled, 25, 50, false, kWhite},
                      GradientRowsCase{Face::Disabled, 30, 50, false, kWhite},
                      GradientRowsCase{Face::Disabled, 14, 50, false, kWhite}));

// --- single pixels with known colours ---------------------------------------

struct PixelCase {
    const char* what;
    Face face;
    int x, y;  // negative: counted from the right or bottom edge (-1 is W - 1)
    COLORREF expected;
};

// A 40 x 25 button on a face of 236, 233, 216: the normal base is white, the
// pressed base 223, 223, 213 (two clamped shifts, not one of +16).
const PixelCase kPixels[] = {
    {"normal gradient row 5", Face::Normal, 20, 5, RGB(250, 250, 249)},
    {"pressed base on its bevel line 4", Face::Pressed, -3, 5, RGB(223, 223, 213)},
    {"pressed gradient row 5", Face::Pressed, 20, 5, RGB(211, 211, 200)},
    {"pressed bevel row 1", Face::Pressed, 5, 1, RGB(191, 191, 178)},
    {"disabled gradient row 5", Face::Disabled, 20, 5, RGB(245, 245, 242)},
    {"hover frame", Face::Hover, 1, 5, RGB(248, 179, 48)},
    {"hover frame bottom row", Face::Hover, 5, -3, RGB(248, 179, 48)},
    {"hover step 2", Face::Hover, 5, -2, RGB(208, 139, 38)},
    {"hover step 3", Face::Hover, 5, 1, RGB(255, 255, 98)},
    {"hover step 4", Face::Hover, 5, 2, RGB(255, 214, 56)},
    {"hover step 5", Face::Hover, 2, 5, RGB(255, 199, 53)},
    {"hover step 6", Face::Hover, -3, 5, RGB(255, 199, 53)},
    {"focus frame", Face::Focus, 1, 5, RGB(137, 173, 228)},
    {"focus step 2", Face::Focus, 5, -2, RGB(104, 140, 189)},
    {"focus step 3", Face::Focus, 5, 1, RGB(202, 238, 255)},
    {"focus step 4", Face::Focus, 5, 2, RGB(187, 223, 255)},
    {"focus step 5", Face::Focus, 2, 5, RGB(168, 204, 255)},
    {"focus step 6", Face::Focus, -3, 5, RGB(168, 204, 255)},
    {"hover hides focus", Face::FocusHover, 5, 1, RGB(255, 255, 98)},
    {"pressed line 8 top end", Face::Pressed, 2, 2, RGB(201, 201, 189)},
    {"pressed line 8 bottom end", Face::Pressed, 2, -3, RGB(201, 201, 189)},
    {"normal line 6 end", Face::Normal, 2, 2, RGB(255, 255, 255)},
    {"normal line 2", Face::Normal, 5, -3, RGB(223, 223, 213)},
    {"normal line 1", Face::Normal, 5, -2, RGB(207, 207, 192)},
    {"outer frame top", Face::Normal, 2, 0, RGB(75, 75, 75)},
    {"outer frame left", Face::Disabled, 0, 2, RGB(75, 75, 75)},
    {"outer frame right", Face::Pressed, -1, 5, RGB(75, 75, 75)},
    {"outer frame bottom", Face::Hover, 5, -1, RGB(75, 75, 75)},
};

TEST(XPFacePixels, KnownColoursAtKnownPlaces) {
    constexpr int W = 40;
    constexpr int H = 25;
    for (const PixelCase& c : kPixels) {
        xptest::ImageSurface surface(W, H, kSentinel);
        Paint(surface, StateOf(c.face, W, H));
        const int x = c.x < 0 ? W + c.x : c.x;
        const int y = c.y < 0 ? H + c.y : c.y;
        EXPECT_EQ(surface.Pixel(x, y), c.expected) << c.what;
    }
}

TEST(XPFacePixels, BordersFollowASystemColour) {
    constexpr int W = 40;
    constexpr int H = 25;
    const auto highlight = static_cast<std::int32_t>(platform::raster::GetSysColor(13));
    for (Face face : {Face::Hover, Face::Focus}) {
        XPFaceInputs in = StateOf(face, W, H);
        in.XPColor_Hover = platform::raster::SystemOleColor(13);
        in.XPColor_Pressed = platform::raster::SystemOleColor(13);
        xptest::ImageSurface surface(W, H, kSentinel);
        Paint(surface, in);
        const int top = face == Face::Hover ? 200 : 65;
        EXPECT_EQ(surface.Pixel(1, 5), static_cast<COLORREF>(highlight));
        EXPECT_EQ(surface.Pixel(5, 1),
                  static_cast<COLORREF>(controls::shared::ShiftColor(highlight, top)));
    }
}

// --- the face chosen by state --------------------------------------------------

struct Signature {
    COLORREF row1, middle, column1;  // (5, 1), (20, 5), (1, 5)
};

Signature SignatureOf(Face face) {
    switch (face) {
        case Face::Normal:
            return {RGB(255, 255, 255), RGB(250, 250, 249), RGB(250, 250, 249)};
        case Face::Focus:
            return {RGB(202, 238, 255), RGB(250, 250, 249), RGB(137, 173, 228)};
        case Face::Hover:
        case Face::FocusHover:
            return {RGB(255, 255, 98), RGB(250, 250, 249), RGB(248, 179, 48)};
        case Face::Pressed:
            return {RGB(191, 191, 178), RGB(211, 211, 200), RGB(191, 191, 178)};
        case Face::Disabled:
            return {RGB(255, 255, 255), RGB(245, 245, 242), RGB(250, 250, 249)};
    }
    return {};
}

TEST(XPFaceChoice, EveryCombinationOfTheFourFlags) {
    constexpr int W = 40;
    constexpr int H = 25;
    for (int bits = 0; bits < 16; ++bits) {
        XPFaceInputs in = Inputs(W, H);
        in.Enabled = bits & 1;
        in.g_Pressed = bits & 2;
        in.g_Hover = bits & 4;
        in.g_HasFocus = bits & 8;
        const Face expected = !in.Enabled     ? Face::Disabled
                              : in.g_Pressed  ? Face::Pressed
                              : in.g_Hover    ? Face::Hover
                              : in.g_HasFocus ? Face::Focus
                                              : Face::Normal;
        xptest::ImageSurface surface(W, H, kSentinel);
        Paint(surface, in);
        const Signature s = SignatureOf(expected);
        EXPECT_EQ(surface.Pixel(5, 1), s.row1) << "flags " << bits;
        EXPECT_EQ(surface.Pixel(20, 5), s.middle) << "flags " << bits;
        EXPECT_EQ(surface.Pixel(1, 5), s.column1) << "flags " << bits;
    }
}

constexpr std::array kAllFaces = {Face::Normal,     Face::Focus,   Face::Hover,
                                  Face::FocusHover, Face::Pressed, Face::Disabled};

TEST(XPFaceChoice, CornerPixelsCarryTheDarkShadowInEveryFace) {
    constexpr int W = 31;
    constexpr int H = 20;
    const COLORREF dark = platform::raster::GetSysColor(21);
    for (Face face : kAllFaces) {
        xptest::ImageSurface surface(W, H, kSentinel);
        Paint(surface, StateOf(face, W, H));
        EXPECT_EQ(surface.Pixel(1, 1), dark);
        EXPECT_EQ(surface.Pixel(1, H - 2), dark);
        EXPECT_EQ(surface.Pixel(W - 2, 1), dark);
        EXPECT_EQ(surface.Pixel(W - 2, H - 2), dark);
    }
}

// Whatever was painted before, a repaint leaves exactly what it paints on a
// fresh surface: no pixel of an earlier face survives.
TEST(XPFaceChoice, EveryRepaintSetsEveryPixel) {
    constexpr int W = 33;
    constexpr int H = 21;
    for (Face before : kAllFaces) {
        for (Face after : kAllFaces) {
            xptest::ImageSurface fresh(W, H, kSentinel);
            Paint(fresh, StateOf(after, W, H));
            xptest::ImageSurface reused(W, H, kSentinel);
            Paint(reused, StateOf(before, W, H));
            Paint(reused, StateOf(after, W, H));
            EXPECT_EQ(reused.Image(), fresh.Image())
                << static_cast<int>(before) << " then " << static_cast<int>(after);
        }
    }
}

TEST(XPFaceChoice, RepaintBeforeTheFirstResizeSkipsTheGradient) {
    xptest::ImageSurface surface(40, 25, kSentinel);
    Paint(surface, StateOf(Face::Normal, 0, 0));
    EXPECT_EQ(surface.Pixel(20, 5), kSentinel);
    EXPECT_EQ(surface.Pixel(20, 0), RGB(75, 75, 75));
}

// --- window region -------------------------------------------------------

TEST(XPRegion, CutsThreePixelsAtEachCorner) {
    for (const auto& [W, H] : {std::pair{40, 25}, std::pair{89, 25}, std::pair{10, 10}}) {
        const std::size_t before = platform::raster::LiveObjectCount();
        const platform::raster::HRGN region = controls::MakeRoundRegion(W, H);
        EXPECT_EQ(platform::raster::LiveObjectCount(), before + 1)
            << "only the region itself is left";
        const QRegion shape = platform::raster::RegionToQRegion(region);
        platform::raster::DeleteObject(region);
        const QPoint outside[] = {{0, 0},     {1, 0},         {0, 1},         {W - 1, 0},
                                  {W - 2, 0}, {W - 1, 1},     {0, H - 1},     {1, H - 1},
                                  {0, H - 2}, {W - 1, H - 1}, {W - 2, H - 1}, {W - 1, H - 2}};
        int missing = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) missing += shape.contains(QPoint(x, y)) ? 0 : 1;
        EXPECT_EQ(missing, 12) << W << "x" << H;
        for (const QPoint& p : outside) EXPECT_FALSE(shape.contains(p)) << p.x() << "," << p.y();
        for (const QPoint& p : {QPoint(1, 1), QPoint(W - 2, 1), QPoint(1, H - 2),
                                QPoint(W - 2, H - 2), QPoint(2, 0), QPoint(0, 2)})
            EXPECT_TRUE(shape.contains(p)) << p.x() << "," << p.y();
        EXPECT_FALSE(shape.contains(QPoint(W, 5)));
    }
}

}  // namespace
