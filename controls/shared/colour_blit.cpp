#include "controls/shared/colour_blit.h"

#include <array>
#include <limits>

#include "platform/basic/runtime_error.h"
#include "platform/raster/raster.h"

namespace controls::shared {
namespace {

constexpr long kOverflow = 6;

[[noreturn]] void RaiseOverflow() {
    throw platform::basic::RuntimeError(kOverflow, QStringLiteral("Marlquin"),
                                        QStringLiteral("溢出"));
}

// A value that must fit a signed integer of the given type, else overflow.
template <class Int>
Int Checked(long long value) {
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max())
        RaiseOverflow();
    return static_cast<Int>(value);
}

std::int32_t Clamp(std::int32_t channel) {
    return channel < 0 ? 0 : channel > 255 ? 255 : channel;
}

// The four scratch contexts of BlitTransparent: two masks, two colour halves.
enum Scratch { M1, M2, C1, C2, kScratchCount };

}  // namespace

std::int32_t TranslateColor(platform::raster::OLE_COLOR colour) {
    if (colour >= 0 && colour <= 0xFFFFFF) return colour;
    return static_cast<std::int32_t>(platform::raster::GetSysColor(
        static_cast<int>(static_cast<std::uint32_t>(colour) & 0xFFFFFFu)));
}

std::int32_t ShiftColor(std::int32_t colour, std::int32_t amount) {
    const std::int32_t red = colour & 0xFF;
    const std::int32_t green = (colour / 0x100) % 0x100;
    const std::int32_t blue = (colour / 0x10000) % 0x100;
    const std::int32_t newRed = Checked<std::int32_t>(static_cast<long long>(red) + amount);
    const std::int32_t newGreen = Checked<std::int32_t>(static_cast<long long>(green) + amount);
    const std::int32_t product = Checked<std::int32_t>(static_cast<long long>(blue) * amount);
    const std::int32_t newBlue =
        Checked<std::int32_t>(static_cast<long long>(blue) + product / 192);
    return Clamp(newRed) + Clamp(newGreen) * 0x100 + Clamp(newBlue) * 0x10000;
}

void DrawLine(DrawSurface& surface, int x1, int y1, int x2, int y2,
              platform::raster::OLE_COLOR colour) {
    surface.SetForeColor(colour);
    platform::raster::MoveToEx(surface.hDC(), x1, y1, nullptr);
    platform::raster::LineTo(surface.hDC(), x2, y2);
}

void DrawRect(platform::raster::HDC dc, int x1, int y1, int x2, int y2,
              platform::raster::OLE_COLOR colour, bool filled) {
    const auto c = static_cast<platform::raster::COLORREF>(TranslateColor(colour));
    const platform::raster::HBRUSH brush = platform::raster::CreateSolidBrush(c);
    const platform::raster::RECT rect{x1, y1, x2, y2};
    if (filled)
        platform::raster::FillRect(dc, rect, brush);
    else
        platform::raster::FrameRect(dc, rect, brush);
    platform::raster::DeleteObject(brush);
}

void BlitTransparent(platform::raster::HDC dest, platform::raster::HDC background,
                     platform::raster::HDC source, int srcLeft, int srcTop, int srcRight,
                     int srcBottom, int dstX, int dstY, platform::raster::OLE_COLOR key) {
    using namespace platform::raster;
    const int w = Checked<std::int16_t>(static_cast<long long>(srcRight) - srcLeft);
    const int h = Checked<std::int16_t>(static_cast<long long>(srcBottom) - srcTop);

    std::array<HDC, kScratchCount> dc{};
    std::array<HBITMAP, kScratchCount> made{};
    std::array<HBITMAP, kScratchCount> replaced{};
    dc[M1] = CreateCompatibleDC(background);
    dc[M2] = CreateCompatibleDC(background);
    made[M1] = CreateBitmap(w, h, 1, 1, nullptr);
    made[M2] = CreateBitmap(w, h, 1, 1, nullptr);
    replaced[M1] = SelectObject(dc[M1], made[M1]);
    replaced[M2] = SelectObject(dc[M2], made[M2]);
    dc[C1] = CreateCompatibleDC(background);
    dc[C2] = CreateCompatibleDC(background);
    made[C1] = CreateCompatibleBitmap(background, w, h);
    made[C2] = CreateCompatibleBitmap(background, w, h);
    replaced[C1] = SelectObject(dc[C1], made[C1]);
    replaced[C2] = SelectObject(dc[C2], made[C2]);

    const COLORREF kept = SetBkColor(source, static_cast<COLORREF>(key));
    BitBlt(dc[M1], 0, 0, w, h, source, srcLeft, srcTop, SRCCOPY);
    SetBkColor(source, kept);
    BitBlt(dc[M2], 0, 0, w, h, dc[M1], 0, 0, NOTSRCCOPY);
    BitBlt(dc[C1], 0, 0, w, h, background, dstX, dstY, SRCCOPY);
    BitBlt(dc[C1], 0, 0, w, h, dc[M1], 0, 0, SRCAND);
    BitBlt(dc[C2], 0, 0, w, h, source, srcLeft, srcTop, SRCCOPY);
    BitBlt(dc[C2], 0, 0, w, h, dc[M2], 0, 0, SRCAND);
    BitBlt(dc[C1], 0, 0, w, h, dc[C2], 0, 0, SRCINVERT);
    BitBlt(dest, dstX, dstY, w, h, dc[C1], 0, 0, SRCCOPY);

    for (int i = M1; i < kScratchCount; ++i) {
        SelectObject(dc[i], replaced[i]);
        DeleteObject(made[i]);
    }
    for (int i = M1; i < kScratchCount; ++i) DeleteDC(dc[i]);
}

}  // namespace controls::shared
