#include "platform/forms/controls/system_colours.h"

#include <array>

namespace platform {
namespace {

constexpr quint32 rgb(int r, int g, int b) {
    return static_cast<quint32>(r) | (static_cast<quint32>(g) << 8) |
           (static_cast<quint32>(b) << 16);
}

constexpr std::array<quint32, 31> kScheme = {
    rgb(212, 208, 200),  // 0 scroll bar
    rgb(0, 78, 152),     // 1 desktop
    rgb(0, 84, 227),     // 2 active caption
    rgb(122, 150, 223),  // 3 inactive caption
    rgb(255, 255, 255),  // 4 menu
    rgb(255, 255, 255),  // 5 window
    rgb(0, 0, 0),        // 6 window frame
    rgb(0, 0, 0),        // 7 menu text
    rgb(0, 0, 0),        // 8 window text
    rgb(255, 255, 255),  // 9 caption text
    rgb(212, 208, 200),  // 10 active border
    rgb(212, 208, 200),  // 11 inactive border
    rgb(128, 128, 128),  // 12 application workspace
    rgb(49, 106, 197),   // 13 highlight
    rgb(255, 255, 255),  // 14 highlight text
    rgb(236, 233, 216),  // 15 button face
    rgb(172, 168, 153),  // 16 button shadow
    rgb(172, 168, 153),  // 17 grey text
    rgb(0, 0, 0),        // 18 button text
    rgb(216, 228, 248),  // 19 inactive caption text
    rgb(255, 255, 255),  // 20 3D highlight
    rgb(113, 111, 100),  // 21 3D dark shadow
    rgb(241, 239, 226),  // 22 3D light
    rgb(0, 0, 0),        // 23 tooltip text
    rgb(255, 255, 225),  // 24 tooltip background
    rgb(181, 181, 181),  // 25 (unused slot)
    rgb(0, 0, 128),      // 26 hot-tracked item
    rgb(61, 149, 255),   // 27 active caption gradient
    rgb(157, 185, 235),  // 28 inactive caption gradient
    rgb(49, 106, 197),   // 29 menu highlight
    rgb(236, 233, 216),  // 30 menu bar
};

}  // namespace

quint32 SystemColour(int index) {
    if (index < 0 || index >= static_cast<int>(kScheme.size())) return 0;
    return kScheme[static_cast<size_t>(index)];
}

}  // namespace platform
