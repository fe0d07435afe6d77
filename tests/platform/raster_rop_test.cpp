#include <gtest/gtest.h>

#include <functional>

#include "platform/raster/raster.h"
#include "support/row_print.h"
#include "tests/platform/raster_fixture.h"

namespace platform::raster {
namespace {

using testing::Canvas;

// A raster code and what it computes, written as the Boolean expression of
// its documented meaning.
struct RopCase {
    const char* name;
    ROP rop;
    std::function<std::uint32_t(std::uint32_t p, std::uint32_t s, std::uint32_t d)> expression;
};

using support::PrintTo;

const RopCase kRops[] = {
    {"SRCCOPY", SRCCOPY, [](auto, auto s, auto) { return s; }},
    {"NOTSRCCOPY", NOTSRCCOPY, [](auto, auto s, auto) { return ~s; }},
    {"SRCAND", SRCAND, [](auto, auto s, auto d) { return s & d; }},
    {"SRCINVERT", SRCINVERT, [](auto, auto s, auto d) { return s ^ d; }},
    {"SRCPAINT", SRCPAINT, [](auto, auto s, auto d) { return s | d; }},
    {"SRCERASE", SRCERASE, [](auto, auto s, auto d) { return s & ~d; }},
    {"NOTSRCERASE", NOTSRCERASE, [](auto, auto s, auto d) { return ~(s | d); }},
    {"MERGECOPY", MERGECOPY, [](auto p, auto s, auto) { return p & s; }},
    {"MERGEPAINT", MERGEPAINT, [](auto, auto s, auto d) { return ~s | d; }},
    {"PATCOPY", PATCOPY, [](auto p, auto, auto) { return p; }},
    {"PATPAINT", PATPAINT, [](auto p, auto s, auto d) { return p | ~s | d; }},
    {"PATINVERT", PATINVERT, [](auto p, auto, auto d) { return p ^ d; }},
    {"DSTINVERT", DSTINVERT, [](auto, auto, auto d) { return ~d; }},
    {"BLACKNESS", BLACKNESS, [](auto, auto, auto) { return 0u; }},
    {"WHITENESS", WHITENESS, [](auto, auto, auto) { return ~0u; }},
    // Codes without a name: D and (P or S), and D xor (P and S).
    {"0xA80000", 0x00A80000, [](auto p, auto s, auto d) { return d & (p | s); }},
    {"0x6A0000", 0x006A0000, [](auto p, auto s, auto d) { return d ^ (p & s); }},
};

class RopTest : public ::testing::TestWithParam<RopCase> {};

// On colour bitmaps, every channel bit follows the expression.
TEST_P(RopTest, ColourPixelsFollowTheExpression) {
    const RopCase& c = GetParam();
    const COLORREF colours[] = {RGB(0x12, 0x34, 0x56), RGB(0xF0, 0x0F, 0xAA), RGB(0, 0, 0),
                                RGB(255, 255, 255)};
    for (COLORREF p : colours)
        for (COLORREF s : colours)
            for (COLORREF d : colours) {
                Canvas source(1, 1), target(1, 1);
                source.Fill(s);
                target.Fill(d);
                const HBRUSH brush = CreateSolidBrush(p);
                const HBRUSH old = SelectObject(target.dc(), brush);
                ASSERT_TRUE(BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop));
                SelectObject(target.dc(), old);
                DeleteObject(brush);
                EXPECT_EQ(GetPixel(target.dc(), 0, 0), c.expression(p, s, d) & 0xFFFFFFu)
                    << c.name << " p=" << p << " s=" << s << " d=" << d;
            }
}

// On monochrome bitmaps the eight combinations of P, S and D each give the
// expression's bit.
TEST_P(RopTest, MonochromeBitsFollowTheExpression) {
    const RopCase& c = GetParam();
    for (int combination = 0; combination < 8; ++combination) {
        const int p = (combination >> 2) & 1, s = (combination >> 1) & 1, d = combination & 1;
        Canvas source(1, 1, true), target(1, 1, true);
        source.Fill(s ? RGB(255, 255, 255) : 0);
        target.Fill(d ? RGB(255, 255, 255) : 0);
        const HBRUSH brush = CreateSolidBrush(p ? RGB(255, 255, 255) : 0);
        const HBRUSH old = SelectObject(target.dc(), brush);
        BitBlt(target.dc(), 0, 0, 1, 1, source.dc(), 0, 0, c.rop);
        SelectObject(target.dc(), old);
        DeleteObject(brush);
        const COLORREF expected =
            (c.expression(p ? ~0u : 0, s ? ~0u : 0, d ? ~0u : 0) & 1) ? RGB(255, 255, 255) : 0;
        EXPECT_EQ(GetPixel(target.dc(), 0, 0), expected)
            << c.name << " p=" << p << " s=" << s << " d=" << d;
    }
}

INSTANTIATE_TEST_SUITE_P(Codes, RopTest, ::testing::ValuesIn(kRops), [](const auto& info) {
    std::string name = info.param.name;
    return name.rfind("0x", 0) == 0 ? "Code" + name.substr(2) : name;
});

// Blocks are clipped to both bitmaps; pixels outside stay as they were.
struct ClipCase {
    const char* what;
    int x, y, w, h, xSrc, ySrc;
    testing::Rows expected;
};

class BlitClipTest : public ::testing::TestWithParam<ClipCase> {};

TEST_P(BlitClipTest, CopiesOnlyWhereBothBitmapsReach) {
    const ClipCase& c = GetParam();
    Canvas source({"rg", "by"});
    Canvas target({"....", "....", "...."});
    BitBlt(target.dc(), c.x, c.y, c.w, c.h, source.dc(), c.xSrc, c.ySrc, SRCCOPY);
    EXPECT_EQ(testing::Read(target.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlitClipTest,
    ::testing::Values(ClipCase{"inside", 1, 1, 2, 2, 0, 0, {"....", ".rg.", ".by."}},
                      ClipCase{"source offset", 0, 0, 1, 1, 1, 1, {"y...", "....", "...."}},
                      ClipCase{"past the source", 0, 0, 4, 3, 0, 0, {"rg..", "by..", "...."}},
                      ClipCase{"negative source", 0, 0, 2, 2, -1, -1, {"....", ".r..", "...."}},
                      ClipCase{"past the target", 3, 2, 2, 2, 0, 0, {"....", "....", "...r"}},
                      ClipCase{"negative target", -1, -1, 2, 2, 0, 0, {"y...", "....", "...."}},
                      ClipCase{"zero width", 0, 0, 0, 2, 0, 0, {"....", "....", "...."}}));

// BLACKONWHITE: a shrunk pixel is the AND of its source pixels; grown pixels repeat.
struct StretchCase {
    const char* what;
    testing::Rows source;
    int w, h;
    testing::Rows expected;
};

class StretchTest : public ::testing::TestWithParam<StretchCase> {};

TEST_P(StretchTest, DefaultModeCombinesOrRepeats) {
    const StretchCase& c = GetParam();
    Canvas source(c.source);
    Canvas target(c.w, c.h);
    const int sw = static_cast<int>(c.source[0].size()), sh = static_cast<int>(c.source.size());
    ASSERT_TRUE(StretchBlt(target.dc(), 0, 0, c.w, c.h, source.dc(), 0, 0, sw, sh, SRCCOPY));
    EXPECT_EQ(testing::Read(target.dc()), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, StretchTest,
    ::testing::Values(StretchCase{"same size", {"rg", "by"}, 2, 2, {"rg", "by"}},
                      StretchCase{"grow twice", {"rg"}, 4, 2, {"rrgg", "rrgg"}},
                      StretchCase{"black wins when shrinking", {"#.", ".."}, 1, 1, {"#"}},
                      StretchCase{"channels are ANDed", {"ry", "my"}, 1, 1, {"r"}},
                      StretchCase{"white stays white", {"....", "...."}, 2, 1, {".."}}));

TEST(StretchBlt, NonPositiveSizesDrawNothing) {
    Canvas source({"rr"});
    Canvas target({".."});
    EXPECT_FALSE(StretchBlt(target.dc(), 0, 0, 0, 1, source.dc(), 0, 0, 2, 1, SRCCOPY));
    EXPECT_FALSE(StretchBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, -2, 1, SRCCOPY));
    EXPECT_EQ(testing::Read(target.dc()), testing::Rows{".."});
}

}  // namespace
}  // namespace platform::raster
