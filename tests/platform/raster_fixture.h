#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/raster/raster.h"

// Helpers of the raster tests: small contexts drawn from and read back to
// rows of characters, one character a pixel, through a legend of colours.
namespace platform::raster::testing {

using Legend = std::map<char, COLORREF>;
using Rows = std::vector<std::string>;

inline const Legend& DefaultLegend() {
    static const Legend legend = {
        {'.', RGB(255, 255, 255)}, {'#', RGB(0, 0, 0)},     {'r', RGB(255, 0, 0)},
        {'g', RGB(0, 255, 0)},     {'b', RGB(0, 0, 255)},   {'m', RGB(255, 0, 255)},
        {'y', RGB(255, 255, 0)},   {'c', RGB(0, 255, 255)}, {'s', RGB(172, 168, 153)}};
    return legend;
}

// A memory context with a new bitmap of its own (colour or monochrome); both are
// freed with the canvas.
class Canvas {
public:
    Canvas(int width, int height, bool mono = false) {
        dc_ = CreateCompatibleDC(HDC{});
        bitmap_ = mono ? CreateBitmap(width, height, 1, 1, nullptr)
                       : CreateCompatibleBitmap(HDC{}, width, height);
        previous_ = SelectObject(dc_, bitmap_);
    }
    // A colour canvas painted from rows.
    explicit Canvas(const Rows& rows, const Legend& legend = DefaultLegend())
        : Canvas(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size())) {
        Paint(rows, legend);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

    void Paint(const Rows& rows, const Legend& legend = DefaultLegend()) const {
        for (int y = 0; y < static_cast<int>(rows.size()); ++y)
            for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
                SetPixelV(dc_, x, y, legend.at(rows[y][x]));
    }
    void Fill(COLORREF colour) const {
        const HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, RECT{0, 0, DcWidth(dc_), DcHeight(dc_)}, brush);
        DeleteObject(brush);
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HBITMAP previous_;
};

// The pixels of a context as rows; a colour missing from the legend shows '?'.
inline Rows Read(HDC dc, const Legend& legend = DefaultLegend()) {
    Rows rows;
    for (int y = 0; y < DcHeight(dc); ++y) {
        std::string row;
        for (int x = 0; x < DcWidth(dc); ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            char found = '?';
            for (const auto& [symbol, colour] : legend)
                if (colour == pixel) {
                    found = symbol;
                    break;
                }
            row += found;
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace platform::raster::testing
