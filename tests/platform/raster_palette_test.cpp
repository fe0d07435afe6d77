#include <gtest/gtest.h>

#include <array>

#include "platform/raster/raster.h"
#include "support/row_print.h"

namespace platform::raster {
namespace {

// Restores the true-colour display after each test.
class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override { dc_ = CreateCompatibleDC(HDC{}); }
    void TearDown() override {
        DeleteDC(dc_);
        SetDisplayMode(DisplayMode::TrueColor);
    }
    HDC dc_;
};

struct CapsCase {
    DisplayMode mode;
    int bits, rasterCapsPalette, sizePalette, systemEntries;
};

void PrintTo(const CapsCase& c, std::ostream* os) {
    *os << c.bits << " bits";
}

class DeviceCapsTest : public PaletteTest, public ::testing::WithParamInterface<CapsCase> {};

TEST_P(DeviceCapsTest, ReportTheDisplayMode) {
    const CapsCase& c = GetParam();
    SetDisplayMode(c.mode);
    EXPECT_EQ(GetDeviceCaps(dc_, BITSPIXEL), c.bits);
    EXPECT_EQ(GetDeviceCaps(dc_, RASTERCAPS) & RC_PALETTE, c.rasterCapsPalette);
    EXPECT_EQ(GetDeviceCaps(dc_, SIZEPALETTE), c.sizePalette);
    EXPECT_EQ(GetDeviceCaps(dc_, LOGPIXELSX), 96);
    std::array<PALETTEENTRY, 256> entries{};
    EXPECT_EQ(GetSystemPaletteEntries(dc_, 0, entries), unsigned(c.systemEntries));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DeviceCapsTest,
    ::testing::Values(CapsCase{DisplayMode::TrueColor, 32, 0, 0, 0},
                      CapsCase{DisplayMode::Palette256, 8, RC_PALETTE, 256, 256},
                      CapsCase{DisplayMode::Palette16, 4, RC_PALETTE, 16, 16}));

TEST_F(PaletteTest, SystemPaletteKeepsTheStaticColoursAtBothEnds) {
    SetDisplayMode(DisplayMode::Palette256);
    std::array<PALETTEENTRY, 256> entries{};
    GetSystemPaletteEntries(dc_, 0, entries);
    EXPECT_EQ(entries[0], (PALETTEENTRY{0, 0, 0, 0}));
    EXPECT_EQ(entries[7], (PALETTEENTRY{192, 192, 192, 0}));
    EXPECT_EQ(entries[248], (PALETTEENTRY{128, 128, 128, 0}));
    EXPECT_EQ(entries[255], (PALETTEENTRY{255, 255, 255, 0}));
    std::array<PALETTEENTRY, 4> tail{};
    EXPECT_EQ(GetSystemPaletteEntries(dc_, 254, tail), 2u);
    EXPECT_EQ(tail[1], (PALETTEENTRY{255, 255, 255, 0}));
}

struct RecordCase {
    const char* what;
    std::uint16_t claimed;
    std::size_t held;
    bool valid;
};

using support::PrintTo;

class CreatePaletteTest : public PaletteTest, public ::testing::WithParamInterface<RecordCase> {};

TEST_P(CreatePaletteTest, AcceptsOnlyRecordsThatHoldTheirEntries) {
    const RecordCase& c = GetParam();
    LOGPALETTE record;
    record.palNumEntries = c.claimed;
    record.palPalEntry.assign(c.held, PALETTEENTRY{1, 2, 3, 0});
    const HPALETTE palette = CreatePalette(record);
    EXPECT_EQ(bool(palette), c.valid) << c.what;
    if (palette) {
        std::array<PALETTEENTRY, 300> copy{};
        EXPECT_EQ(GetPaletteEntries(palette, 0, copy), c.claimed);
        EXPECT_EQ(copy[c.claimed - 1], (PALETTEENTRY{1, 2, 3, 0}));
        DeleteObject(palette);
    }
}

INSTANTIATE_TEST_SUITE_P(Records, CreatePaletteTest,
                         ::testing::Values(RecordCase{"full", 256, 256, true},
                                           RecordCase{"fewer claimed", 16, 256, true},
                                           RecordCase{"more claimed than held", 256, 10, false},
                                           RecordCase{"none", 0, 0, false},
                                           RecordCase{"too many", 300, 300, false}));

TEST_F(PaletteTest, SelectingAndRealizing) {
    LOGPALETTE record;
    record.palNumEntries = 2;
    record.palPalEntry.resize(2);
    const HPALETTE palette = CreatePalette(record);
    const HPALETTE stock = SelectPalette(dc_, palette, false);
    EXPECT_TRUE(stock);
    EXPECT_EQ(RealizePalette(dc_), 0u);
    SetDisplayMode(DisplayMode::Palette256);
    EXPECT_EQ(RealizePalette(dc_), 2u);
    EXPECT_FALSE(DeleteObject(palette));  // still selected
    EXPECT_EQ(SelectPalette(dc_, stock, false), palette);
    EXPECT_TRUE(DeleteObject(palette));
    EXPECT_FALSE(SelectPalette(dc_, palette, false));
}

}  // namespace
}  // namespace platform::raster
