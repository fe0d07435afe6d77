#pragma once

#include <QImage>
#include <cstdint>

#include "platform/raster/gdi_types.h"
#include "platform/raster/object_table.h"

// Pixel access shared by the layer's drawing sources.
namespace platform::raster::detail {

// What a context draws on: a 32-bit image (colour) or a Grayscale8 image
// holding 0x00 / 0xFF (monochrome).
struct Target {
    QImage* image = nullptr;
    bool mono = false;

    explicit operator bool() const { return image != nullptr; }
    int width() const { return image->width(); }
    int height() const { return image->height(); }
    bool Contains(int x, int y) const {
        return x >= 0 && y >= 0 && x < image->width() && y < image->height();
    }
};

// The 32-bit formats a surface context draws on; another format of the
// caller's image is converted to RGB32 when it is next drawn on.
bool IsSurfaceFormat(QImage::Format format);

Target TargetOf(DcObject& dc);
// The context behind a handle and what it draws on; both null when unknown.
DcObject* FindDc(HDC dc);
Target TargetOf(HDC dc);

constexpr std::uint32_t kOpaque = 0xFF000000u;

// COLORREF 0x00BBGGRR <-> 32-bit pixel 0xAARRGGBB.
constexpr std::uint32_t ToPixel(COLORREF colour) {
    return kOpaque | ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
constexpr COLORREF ToColorref(std::uint32_t pixel) {
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

// A colour on a monochrome bitmap: 0xFF when nearer to white than to black.
constexpr std::uint8_t ToMono(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) > 382 ? 0xFF : 0x00;
}

// Sets and reads one pixel inside the target.
void PutPixel(const Target& target, int x, int y, COLORREF colour);
COLORREF ReadPixel(const Target& target, int x, int y);

// Colours the pixels of [left, right) x [top, bottom), clipped to the target.
void FillArea(const Target& target, int left, int top, int right, int bottom, COLORREF colour);

}  // namespace platform::raster::detail
