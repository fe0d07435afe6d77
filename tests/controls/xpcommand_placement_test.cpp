#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "controls/placement/placement.h"
#include "platform/basic/ansi.h"
#include "platform/basic/runtime_error.h"
#include "platform/controlhost/std_font.h"
#include "platform/forms/fonts.h"
#include "platform/raster/draw_text.h"
#include "platform/raster/objects.h"
#include "xpcommand_surface_fixture.h"

namespace {

using controls::placement::Placement;
using controls::placement::PlacementInputs;
using platform::raster::RECT;
using xptest::ImageOf;
using xptest::ImageSurface;
using xptest::kGrey;
using xptest::ReadRows;
using xptest::Rows;

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

platform::raster::PicturePtr Bitmap(const Rows& rows) {
    return platform::raster::PictureFromImage(ImageOf(rows));
}

PlacementInputs WithPicture(const platform::raster::PicturePtr& picture, int drawnW, int drawnH) {
    PlacementInputs in;
    in.g_Picture = picture;
    in.OriginalPicSizeW = picture->PixelWidth();
    in.OriginalPicSizeH = picture->PixelHeight();
    in.PictureWidth = drawnW;
    in.PictureHeight = drawnH;
    return in;
}

// --- layout ----------------------------------------------------------------

TEST(PlacementLayout, ContentAreaLiesFourPixelsInside) {
    const struct {
        int w, h;
        RECT content;
    } cases[] = {{60, 26, {4, 4, 56, 22}}, {75, 23, {4, 4, 71, 19}}, {10, 10, {4, 4, 6, 6}}};
    for (const auto& c : cases) {
        ImageSurface surface(c.w, c.h, kGrey);
        Placement placement;
        placement.CalcLayout(PlacementInputs{}, surface);
        EXPECT_EQ(placement.g_ContentRect, c.content) << Show(placement.g_ContentRect);
    }
}

// Without a caption the picture is centred alone; "\ 2" truncates toward
// zero, so a picture higher than the content starts less far up than a
// floor would put it. Blanks are a caption: the picture makes room for them.
TEST(PlacementLayout, PictureAloneIsCentredInTheContent) {
    const struct {
        const char* caption;
        int drawnW, drawnH;
        RECT picture;
    } cases[] = {{"", 16, 16, {29, 4, 45, 20}},
                 {"", 40, 30, {17, -3, 57, 27}},
                 {"", 67, 15, {4, 4, 71, 19}},
                 {"  ", 16, 16, {22, 4, 38, 20}}};
    const platform::raster::PicturePtr picture = Bitmap({"rr", "rr"});
    for (const auto& c : cases) {
        ImageSurface surface(75, 23, kGrey);
        Placement placement;
        placement.g_CaptionRect = RECT{1, 2, 3, 4};
        PlacementInputs in = WithPicture(picture, c.drawnW, c.drawnH);
        in.Caption = QString::fromUtf8(c.caption);
        placement.CalcLayout(in, surface);
        EXPECT_EQ(placement.g_PictureRect, c.picture) << Show(placement.g_PictureRect);
        EXPECT_EQ(placement.g_CaptionRect == (RECT{1, 2, 3, 4}), in.Caption.isEmpty())
            << "only a caption is placed";
    }
}

struct PairCase {
    int position;
    RECT picture;
    RECT caption;
};

// Content (4, 4, 96, 26), a 16 x 16 picture and a caption measured 40 x 12.
const PairCase kPairs[] = {
    {0, {42, -1, 58, 15}, {30, 19, 70, 31}},
    {1, {20, 7, 36, 23}, {40, 9, 80, 21}},
    {2, {64, 7, 80, 23}, {20, 9, 60, 21}},
    {3, {42, 15, 58, 31}, {30, -1, 70, 11}},
    // Any other value: the caption stays centred, the picture where it was.
    {7, {5, 6, 7, 8}, {30, 9, 70, 21}},
    {-1, {5, 6, 7, 8}, {30, 9, 70, 21}},
};

TEST(PlacementLayout, PicturePositionStacksPictureAndCaption) {
    for (const PairCase& c : kPairs) {
        Placement placement;
        placement.g_ContentRect = RECT{4, 4, 96, 26};
        placement.g_CaptionRect = RECT{30, 9, 70, 21};
        placement.g_PictureRect = RECT{5, 6, 7, 8};
        PlacementInputs in;
        in.PicturePosition = c.position;
        placement.PlacePair(in);
        EXPECT_EQ(placement.g_PictureRect, c.picture)
            << c.position << ": " << Show(placement.g_PictureRect);
        EXPECT_EQ(placement.g_CaptionRect, c.caption)
            << c.position << ": " << Show(placement.g_CaptionRect);
    }
}

TEST(PlacementLayout, ArithmeticBeyondThirtyTwoBitsIsAnOverflowError) {
    ImageSurface surface(60, 26, kGrey);
    Placement placement;
    PlacementInputs in = WithPicture(Bitmap({"r"}), std::numeric_limits<std::int32_t>::max(), 16);
    in.Caption = QStringLiteral("A");
    try {
        placement.CalcLayout(in, surface);
        FAIL() << "no error";
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_EQ(error.number(), 6);
    }
}

// --- captions --------------------------------------------------------------

int MeasuredWidth(ImageSurface& surface, const QString& text) {
    RECT r{0, 0, 1000, 100};
    platform::raster::DRAWTEXTPARAMS params;
    params.iTabLength = params.iLeftMargin = params.iRightMargin = 1;
    platform::raster::DrawTextExA(surface.hDC(), platform::basic::ToAnsi(text), -1, &r, 0x415,
                                  &params);
    return r.right - r.left;
}

// The caption is handed over with its number of characters as the count:
// one trailing blank per Chinese character makes exactly the characters
// count; without the blanks the second half is lost.
TEST(PlacementCaption, MeasuredAsTheBytesItsCharacterCountCovers) {
    const struct {
        QString caption;
        QString measuredAs;
    } cases[] = {
        {QStringLiteral("游客登录    "), QStringLiteral("游客登录")},
        {QStringLiteral("注册会员登录      "), QStringLiteral("注册会员登录")},
        {QStringLiteral("评测  "), QStringLiteral("评测")},
        {QStringLiteral("评测"), QStringLiteral("评")},
        {QStringLiteral("OK"), QStringLiteral("OK")},
    };
    for (const auto& c : cases) {
        ImageSurface surface(120, 26, kGrey);
        Placement placement;
        PlacementInputs in;
        in.Caption = c.caption;
        placement.CalcLayout(in, surface);
        const int width = MeasuredWidth(surface, c.measuredAs);
        const RECT& r = placement.g_CaptionRect;
        EXPECT_EQ(r.right - r.left, width) << c.caption.toStdString();
        EXPECT_EQ(r.left, (112 - width) / 2 + 4) << "centred: " << c.caption.toStdString();
    }
}

// The set of pixels that differ from the background.
std::vector<QPoint> Ink(const ImageSurface& surface) {
    std::vector<QPoint> ink;
    for (int y = 0; y < surface.Image().height(); ++y)
        for (int x = 0; x < surface.Image().width(); ++x)
            if (surface.Pixel(x, y) != kGrey) ink.emplace_back(x, y);
    return ink;
}

TEST(PlacementCaption, DisabledCaptionIsAHighlightCopyUnderAShadowCopy) {
    PlacementInputs in;
    in.Caption = QStringLiteral("评测  ");
    in.ForeColor = 0;
    ImageSurface plain(60, 26, kGrey);
    platform::forms::InstallFontSubstitutions();
    const QFont song = platform::controlhost::NewDefaultFont()->ToQFont();
    plain.SelectFont(song);
    Placement layout;
    layout.CalcLayout(in, plain);
    layout.DrawCaption(in, plain);
    const std::vector<QPoint> glyphs = Ink(plain);
    ASSERT_FALSE(glyphs.empty());
    // The caption's font reaches the last row of its rectangle, which the
    // highlight copy loses.
    const int bottom = layout.g_CaptionRect.bottom;
    ASSERT_TRUE(std::any_of(glyphs.begin(), glyphs.end(),
                            [bottom](const QPoint& p) { return p.y() == bottom - 1; }));

    in.Enabled = false;
    ImageSurface embossed(60, 26, kGrey);
    embossed.SelectFont(song);
    layout.DrawCaption(in, embossed);
    const QImage& mask = plain.Image();
    const platform::raster::COLORREF shadow = xptest::Legend().at('s');
    const platform::raster::COLORREF highlight = xptest::Legend().at('h');
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inGlyph = mask.pixel(x, y) != mask.pixel(0, 0);
            const bool belowRight = x > 0 && y > 0 && mask.pixel(x - 1, y - 1) != mask.pixel(0, 0);
            const platform::raster::COLORREF expected = inGlyph                    ? shadow
                                                        : belowRight && y < bottom ? highlight
                                                                                   : kGrey;
            EXPECT_EQ(embossed.Pixel(x, y), expected) << x << "," << y;
        }
}

// --- pressed offsets ---------------------------------------------------------

TEST(PlacementPressed, CaptionAndPictureMoveOnePixelRightAndDown) {
    for (const bool enabled : {true, false}) {
        PlacementInputs in = WithPicture(Bitmap({"rb", "br"}), 2, 2);
        in.Caption = QStringLiteral("评测  ");
        in.MaskColor = platform::raster::RGB(0, 255, 0);
        in.Enabled = enabled;
        const auto paint = [&in](Placement& placement, ImageSurface& surface) {
            placement.CalcLayout(in, surface);
            placement.DrawPicture(in, surface);
            placement.DrawCaption(in, surface);
        };
        ImageSurface released(60, 26, kGrey);
        Placement a;
        paint(a, released);
        in.g_Pressed = true;
        ImageSurface pressed(60, 26, kGrey);
        Placement b;
        paint(b, pressed);
        EXPECT_EQ(b.g_PictureRect, a.g_PictureRect) << "the layout keeps the unshifted places";
        EXPECT_EQ(b.g_CaptionRect, a.g_CaptionRect);
        EXPECT_EQ(pressed.Image().copy(1, 1, 59, 25), released.Image().copy(0, 0, 59, 25))
            << (enabled ? "enabled" : "disabled");
    }
}

// --- pictures ----------------------------------------------------------------

struct PictureCase {
    const char* what;
    Rows picture;
    bool icon;
    bool enabled;
    int drawnW, drawnH;
    int ownW, ownH;  // OriginalPicSizeW and H
    platform::raster::OLE_COLOR mask;
    Rows expected;  // the surface from (2, 3), one pixel more each way
};

const PictureCase kPictures[] = {
    {"enabled bitmap leaves out its mask colour",
     {"rgb", "bgr"},
     false,
     true,
     3,
     2,
     3,
     2,
     platform::raster::RGB(0, 255, 0),
     {"r-b-", "b-r-", "----"}},
    {"enabled bitmap scaled to the drawn size",
     {"rg", "br"},
     false,
     true,
     4,
     4,
     2,
     2,
     platform::raster::RGB(0, 255, 0),
     {"rr---", "rr---", "bbrr-", "bbrr-", "-----"}},
    {"a larger hover bitmap is cut to the picture's own size",
     {"rbr", "brb", "rrr"},
     false,
     true,
     2,
     2,
     2,
     2,
     platform::raster::RGB(0, 255, 0),
     {"rb-", "br-", "---"}},
    {"a smaller hover bitmap is padded with black, which mask 0 leaves out",
     {"r"},
     false,
     true,
     2,
     2,
     2,
     2,
     0,
     {"r--", "---", "---"}},
    {"disabled bitmap is embossed, its mask colour left out",
     {"rgb", "ggr"},
     false,
     false,
     3,
     2,
     3,
     2,
     platform::raster::RGB(0, 255, 0),
     {"s-s-", "-hsh", "---h"}},
    {"disabled icon is embossed over black, the black left out",
     {"r  ", " rr", "   "},
     true,
     false,
     3,
     3,
     3,
     3,
     0,
     {"s---", "-ss-", "--h-", "----"}},
};

TEST(PlacementPicture, DrawsBitmapsAndIconsByState) {
    for (const PictureCase& c : kPictures) {
        const QImage image = ImageOf(c.picture);
        const platform::raster::PicturePtr picture =
            c.icon ? platform::raster::IconPictureFromImage(image)
                   : platform::raster::PictureFromImage(image);
        PlacementInputs in = WithPicture(picture, c.drawnW, c.drawnH);
        in.OriginalPicSizeW = c.ownW;
        in.OriginalPicSizeH = c.ownH;
        in.MaskColor = c.mask;
        in.Enabled = c.enabled;
        ImageSurface surface(20, 12, kGrey);
        Placement placement;
        placement.g_PictureRect = RECT{2, 3, 2 + c.drawnW, 3 + c.drawnH};
        const std::size_t objects = platform::raster::LiveObjectCount();
        placement.DrawPicture(in, surface);
        EXPECT_EQ(platform::raster::LiveObjectCount(), objects) << c.what;
        const QRect area(2, 3, static_cast<int>(c.expected[0].size()),
                         static_cast<int>(c.expected.size()));
        EXPECT_EQ(ReadRows(surface, area), c.expected) << c.what;
    }
}

TEST(PlacementPicture, EnabledIconIsPaintedByTheSurfaceStretchedToItsArea) {
    const platform::raster::PicturePtr icon =
        platform::raster::IconPictureFromImage(ImageOf({"rr", "rr"}));
    PlacementInputs in = WithPicture(icon, 8, 6);
    in.g_Pressed = true;
    ImageSurface surface(20, 12, kGrey);
    Placement placement;
    placement.g_PictureRect = RECT{2, 3, 10, 9};
    placement.DrawPicture(in, surface);
    ASSERT_EQ(surface.paintCalls.size(), 1u);
    const auto& call = surface.paintCalls[0];
    EXPECT_EQ(call.picture, icon);
    const float expected[] = {3, 4, 8, 6, 0, 0, 2, 2};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(call.args[i], expected[i]) << "argument " << i;
}

TEST(PlacementPicture, NothingAndEmptyPicturesDrawNothing) {
    for (const platform::raster::PicturePtr& picture :
         {platform::raster::PicturePtr(), platform::raster::Picture::CreateEmpty()}) {
        PlacementInputs in;
        in.g_Picture = picture;
        ImageSurface surface(20, 12, kGrey);
        Placement placement;
        placement.DrawPicture(in, surface);
        EXPECT_EQ(Ink(surface).size(), 0u);
        EXPECT_TRUE(surface.paintCalls.empty());
    }
}

// A position outside 0..3 leaves the picture where an earlier layout put
// it: on the first paint, the top-left corner.
TEST(PlacementPicture, UnknownPositionDrawsAtTheTopLeftOnTheFirstPaint) {
    PlacementInputs in = WithPicture(Bitmap({"rr", "rr"}), 2, 2);
    in.Caption = QStringLiteral("AB");
    in.PicturePosition = 7;
    in.MaskColor = platform::raster::RGB(0, 255, 0);
    ImageSurface surface(60, 26, kGrey);
    Placement placement;
    placement.CalcLayout(in, surface);
    placement.DrawPicture(in, surface);
    EXPECT_EQ(ReadRows(surface, QRect(0, 0, 3, 3)), (Rows{"rr-", "rr-", "---"}));
}

}  // namespace
