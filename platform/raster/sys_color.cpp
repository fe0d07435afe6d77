#include "platform/raster/sys_color.h"

#include <array>

#include "platform/raster/object_table.h"

namespace platform::raster {
namespace {

constexpr int kColourCount = 31;
// 25 has no colour of its own.
constexpr int kNoColour = 25;

// The default Windows XP (blue) scheme.
constexpr std::array<COLORREF, kColourCount> kScheme = {
    RGB(212, 208, 200),  // 0 scroll bar
    RGB(0, 78, 152),     // 1 desktop
    RGB(0, 84, 227),     // 2 active caption
    RGB(122, 150, 223),  // 3 inactive caption
    RGB(255, 255, 255),  // 4 menu
    RGB(255, 255, 255),  // 5 window
    RGB(0, 0, 0),        // 6 window frame
    RGB(0, 0, 0),        // 7 menu text
    RGB(0, 0, 0),        // 8 window text
    RGB(255, 255, 255),  // 9 caption text
    RGB(212, 208, 200),  // 10 active border
    RGB(212, 208, 200),  // 11 inactive border
    RGB(128, 128, 128),  // 12 application workspace
    RGB(49, 106, 197),   // 13 highlight
    RGB(255, 255, 255),  // 14 highlight text
    RGB(236, 233, 216),  // 15 button face
    RGB(172, 168, 153),  // 16 button shadow
    RGB(172, 168, 153),  // 17 grey text
    RGB(0, 0, 0),        // 18 button text
    RGB(216, 228, 248),  // 19 inactive caption text
    RGB(255, 255, 255),  // 20 3D highlight
    RGB(113, 111, 100),  // 21 3D dark shadow
    RGB(241, 239, 226),  // 22 3D light
    RGB(0, 0, 0),        // 23 tooltip text
    RGB(255, 255, 225),  // 24 tooltip background
    0,                   // 25 none
    RGB(0, 0, 128),      // 26 hot-tracked item
    RGB(61, 149, 255),   // 27 active caption gradient
    RGB(157, 185, 235),  // 28 inactive caption gradient
    RGB(49, 106, 197),   // 29 menu highlight
    RGB(236, 233, 216),  // 30 menu bar
};

bool Known(int index) {
    return index >= 0 && index < kColourCount && index != kNoColour;
}

}  // namespace

COLORREF GetSysColor(int index) {
    return Known(index) ? kScheme[index] : 0;
}

HBRUSH GetSysColorBrush(int index) {
    static const std::array<HBRUSH, kColourCount> brushes = [] {
        std::array<HBRUSH, kColourCount> made{};
        for (int i = 0; i < kColourCount; ++i)
            if (Known(i)) made[i] = HBRUSH{detail::AddStockObject(detail::BrushObject{kScheme[i]})};
        return made;
    }();
    return Known(index) ? brushes[index] : HBRUSH{};
}

}  // namespace platform::raster
