#include "platform/raster/palette.h"

#include <algorithm>
#include <array>

#include "platform/raster/object_table.h"
#include "platform/raster/pixels.h"

namespace platform::raster {
namespace {

using detail::PaletteObject;

DisplayMode& CurrentMode() {
    static DisplayMode mode = DisplayMode::TrueColor;
    return mode;
}

bool IsPaletteDisplay() {
    return CurrentMode() != DisplayMode::TrueColor;
}

constexpr int kEntryLimit = 256;

// The 20 colours a palette display keeps for itself: ten at each end.
constexpr std::array<PALETTEENTRY, 20> kStaticColours = {{
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
    {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
    {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
    {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
    {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
}};

// The static colours at both ends and a 6 x 6 x 6 colour cube and a grey ramp
// between them.
std::array<PALETTEENTRY, kEntryLimit> MakeSystemPalette() {
    std::array<PALETTEENTRY, kEntryLimit> palette{};
    std::copy_n(kStaticColours.begin(), 10, palette.begin());
    std::copy_n(kStaticColours.begin() + 10, 10, palette.end() - 10);
    int index = 10;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette[index++] = PALETTEENTRY{std::uint8_t(r * 51), std::uint8_t(g * 51),
                                                std::uint8_t(b * 51), 0};
    for (int grey = 1; index < kEntryLimit - 10; ++grey)
        palette[index++] = PALETTEENTRY{std::uint8_t(grey * 12), std::uint8_t(grey * 12),
                                        std::uint8_t(grey * 12), 0};
    return palette;
}

// A 16-colour display's palette: the static colours without the four that
// only 256-colour displays reserve.
std::array<PALETTEENTRY, 16> MakeVgaPalette() {
    std::array<PALETTEENTRY, 16> palette{};
    std::copy_n(kStaticColours.begin(), 8, palette.begin());
    std::copy_n(kStaticColours.begin() + 12, 8, palette.begin() + 8);
    return palette;
}

unsigned CopyEntries(std::span<const PALETTEENTRY> from, unsigned start,
                     std::span<PALETTEENTRY> out) {
    if (start >= from.size()) return 0;
    const auto count = std::min<std::size_t>(out.size(), from.size() - start);
    std::copy_n(from.begin() + start, count, out.begin());
    return static_cast<unsigned>(count);
}

}  // namespace

void SetDisplayMode(DisplayMode mode) {
    CurrentMode() = mode;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!detail::FindDc(dc)) return 0;
    const DisplayMode mode = CurrentMode();
    switch (index) {
        case BITSPIXEL:
            return mode == DisplayMode::TrueColor ? 32 : mode == DisplayMode::Palette256 ? 8 : 4;
        case PLANES:
            return 1;
        case RASTERCAPS:
            return RC_BITBLT | RC_STRETCHBLT | (IsPaletteDisplay() ? RC_PALETTE : 0);
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        case SIZEPALETTE:
            return mode == DisplayMode::TrueColor ? 0 : mode == DisplayMode::Palette256 ? 256 : 16;
        case NUMRESERVED:
            return IsPaletteDisplay() ? 20 : 0;
        default:
            return 0;
    }
}

unsigned GetSystemPaletteEntries(HDC dc, unsigned start, std::span<PALETTEENTRY> out) {
    if (!detail::FindDc(dc) || !IsPaletteDisplay()) return 0;
    static const std::array<PALETTEENTRY, kEntryLimit> system256 = MakeSystemPalette();
    static const std::array<PALETTEENTRY, 16> system16 = MakeVgaPalette();
    if (CurrentMode() == DisplayMode::Palette16) return CopyEntries(system16, start, out);
    return CopyEntries(system256, start, out);
}

HPALETTE CreatePalette(const LOGPALETTE& record) {
    const unsigned count = record.palNumEntries;
    if (count == 0 || count > kEntryLimit || record.palPalEntry.size() < count) return {};
    std::vector<PALETTEENTRY> entries(record.palPalEntry.begin(),
                                      record.palPalEntry.begin() + count);
    return HPALETTE{detail::AddObject(PaletteObject{std::move(entries)})};
}

unsigned GetPaletteEntries(HPALETTE palette, unsigned start, std::span<PALETTEENTRY> out) {
    const PaletteObject* object = detail::Find<PaletteObject>(palette.id);
    return object ? CopyEntries(object->entries, start, out) : 0;
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool) {
    detail::DcObject* object = detail::FindDc(dc);
    if (!object || !detail::Find<PaletteObject>(palette.id)) return {};
    return std::exchange(object->palette, palette);
}

unsigned RealizePalette(HDC dc) {
    const detail::DcObject* object = detail::FindDc(dc);
    if (!object || !IsPaletteDisplay()) return 0;
    const PaletteObject* palette = detail::Find<PaletteObject>(object->palette.id);
    return palette ? static_cast<unsigned>(palette->entries.size()) : 0;
}

}  // namespace platform::raster

namespace platform::raster::detail {

HPALETTE StockPalette() {
    static const HPALETTE palette{AddStockObject(
        PaletteObject{std::vector<PALETTEENTRY>(kStaticColours.begin(), kStaticColours.end())})};
    return palette;
}

}  // namespace platform::raster::detail
