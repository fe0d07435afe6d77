#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/raster/gdi_types.h"

namespace platform::raster {

// Palettes and the display's capabilities.
//
// The layer always stores 32-bit pixels; a palette display is only what the
// capabilities report, so that palette-aware callers can be driven through
// their palette code. The display starts as true colour.

enum class DisplayMode {
    TrueColor,   // 32 bits per pixel, no palette
    Palette256,  // 8 bits per pixel, palette device with 256 entries
    Palette16,   // 4 bits per pixel, palette device with 16 entries
};
void SetDisplayMode(DisplayMode mode);

// GetDeviceCaps indexes.
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int SIZEPALETTE = 104;
constexpr int NUMRESERVED = 106;
// RASTERCAPS bits.
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_PALETTE = 0x0100;
constexpr int RC_STRETCHBLT = 0x0800;

// A capability of the display, which every context reports (a memory context
// reports the device it is compatible with): 96 dots per inch; 0 for an
// unknown index or context.
int GetDeviceCaps(HDC dc, int index);

struct PALETTEENTRY {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
    constexpr bool operator==(const PALETTEENTRY&) const = default;
};

// A logical palette record: version 0x300, the number of entries, the entries.
struct LOGPALETTE {
    std::uint16_t palVersion = 0x300;
    std::uint16_t palNumEntries = 0;
    std::vector<PALETTEENTRY> palPalEntry;
};

// Copies entries [start, start + out.size()) of the system palette into `out`
// and returns how many it copied; 0 (nothing copied) unless the display is a
// palette display. A 256-colour system palette holds the 20 static colours at
// both ends and a colour cube and a grey ramp between them; a 16-colour one the
// 16 standard colours.
unsigned GetSystemPaletteEntries(HDC dc, unsigned start, std::span<PALETTEENTRY> out);

// A palette of the record's first palNumEntries entries; 0 when the record
// holds fewer entries than it claims, none, or more than 256. Counted; free
// with DeleteObject.
HPALETTE CreatePalette(const LOGPALETTE& record);

// Copies entries of a palette, as GetSystemPaletteEntries does.
unsigned GetPaletteEntries(HPALETTE palette, unsigned start, std::span<PALETTEENTRY> out);

// Selects a palette into a context and returns the previous one (a new
// context holds the stock default palette); 0 on failure. `forceBackground`
// is accepted and has no effect.
HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);

// Maps the selected palette onto the system palette: returns the number of its
// entries on a palette display, 0 otherwise. Pixels are not changed.
unsigned RealizePalette(HDC dc);

}  // namespace platform::raster
