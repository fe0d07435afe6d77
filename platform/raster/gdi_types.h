#pragma once

#include <compare>
#include <cstdint>

// Basic types of the raster layer: the handles, colours, points and rectangles
// that the drawing calls take. Everything runs on the GUI thread only.
namespace platform::raster {

// A handle is a small positive id; 0 means "none". Ids count upwards and are
// reused only after the 32-bit count wraps around, so a stale handle is
// recognised instead of reaching another object.
template <class Tag>
struct Handle {
    std::uint32_t id = 0;

    constexpr explicit operator bool() const { return id != 0; }
    constexpr auto operator<=>(const Handle&) const = default;
};

using HDC = Handle<struct DcTag>;
using HBITMAP = Handle<struct BitmapTag>;
using HBRUSH = Handle<struct BrushTag>;
using HRGN = Handle<struct RegionTag>;
using HPALETTE = Handle<struct PaletteTag>;
using HFONT = Handle<struct FontTag>;
using HICON = Handle<struct IconTag>;

// Any object that DeleteObject accepts (bitmap, brush, region, palette, font).
struct HGDIOBJ {
    std::uint32_t id = 0;

    constexpr HGDIOBJ() = default;
    template <class Tag>
    constexpr HGDIOBJ(Handle<Tag> handle) : id(handle.id) {}
    constexpr explicit operator bool() const { return id != 0; }
    constexpr auto operator<=>(const HGDIOBJ&) const = default;
};

// A real colour, laid out 0x00BBGGRR (red in the low byte).
using COLORREF = std::uint32_t;

// An OLE colour: 0..0xFFFFFF is a real colour; 0x800000nn stands for system
// colour nn. Signed, as the controls keep it.
using OLE_COLOR = std::int32_t;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr COLORREF RGB(int red, int green, int blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GetGValue(COLORREF colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}

// The OLE colour that stands for system colour `index` (0x80000000 | index).
constexpr OLE_COLOR SystemOleColor(int index) {
    return static_cast<OLE_COLOR>(0x80000000u | static_cast<std::uint32_t>(index));
}

struct POINT {
    std::int32_t x = 0;
    std::int32_t y = 0;
    constexpr bool operator==(const POINT&) const = default;
};

// Left, top, right, bottom; right and bottom are exclusive.
struct RECT {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    constexpr bool operator==(const RECT&) const = default;
};

}  // namespace platform::raster
