#include <gtest/gtest.h>

#include "platform/raster/raster.h"

namespace platform::raster {
namespace {

struct SysColourCase {
    int index;
    COLORREF colour;
};

void PrintTo(const SysColourCase& c, std::ostream* os) {
    *os << "colour " << c.index;
}

class SysColourTest : public ::testing::TestWithParam<SysColourCase> {};

TEST_P(SysColourTest, DefaultXpScheme) {
    const SysColourCase& c = GetParam();
    EXPECT_EQ(GetSysColor(c.index), c.colour);
    EXPECT_EQ(ResolveOleColor(SystemOleColor(c.index)), c.colour);
    const HBRUSH brush = GetSysColorBrush(c.index);
    EXPECT_EQ(bool(brush), c.colour != 0 || c.index == COLOR_BTNTEXT);
    if (brush) {
        EXPECT_EQ(BrushColor(brush), c.colour);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, SysColourTest,
    ::testing::Values(SysColourCase{15, RGB(236, 233, 216)}, SysColourCase{16, RGB(172, 168, 153)},
                      SysColourCase{18, RGB(0, 0, 0)}, SysColourCase{20, RGB(255, 255, 255)},
                      SysColourCase{21, RGB(113, 111, 100)}, SysColourCase{5, RGB(255, 255, 255)},
                      SysColourCase{13, RGB(49, 106, 197)}, SysColourCase{25, 0},
                      SysColourCase{31, 0}, SysColourCase{-1, 0}));

TEST(SysColourBrush, StockBrushesAreNeitherCountedNorDeleted) {
    const std::size_t before = LiveObjectCount();
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(LiveObjectCount(), before);
    EXPECT_TRUE(DeleteObject(face));
    EXPECT_EQ(BrushColor(face), RGB(236, 233, 216));
}

struct OleCase {
    OLE_COLOR value;
    COLORREF colour;
};

void PrintTo(const OleCase& c, std::ostream* os) {
    *os << std::hex << c.value << std::dec;
}

class ResolveOleColorTest : public ::testing::TestWithParam<OleCase> {};

TEST_P(ResolveOleColorTest, RealColoursPassSystemColoursAreLookedUp) {
    EXPECT_EQ(ResolveOleColor(GetParam().value), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ResolveOleColorTest,
    ::testing::Values(OleCase{0x00D7D7D7, RGB(0xD7, 0xD7, 0xD7)}, OleCase{0, 0},
                      OleCase{0xFFFFFF, 0xFFFFFF}, OleCase{SystemOleColor(COLOR_BTNTEXT), 0},
                      OleCase{SystemOleColor(COLOR_BTNFACE), RGB(236, 233, 216)},
                      OleCase{0x01000000, GetSysColor(0)}));

TEST(ToQColor, ChannelOrder) {
    EXPECT_EQ(ToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
}

}  // namespace
}  // namespace platform::raster
