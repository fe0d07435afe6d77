#include "platform/raster/bitmap.h"

#include <cstring>

#include "platform/raster/dc.h"
#include "platform/raster/object_table.h"
#include "platform/raster/pixels.h"

namespace platform::raster {
namespace {

using detail::BitmapObject;

// Larger bitmaps than this many pixels are refused rather than exhausting memory.
constexpr qint64 kMaxPixels = qint64{1} << 26;

bool SizeAllowed(int width, int height) {
    return width >= 0 && height >= 0 && qint64{width} * height <= kMaxPixels;
}

QImage BlankImage(int width, int height, bool mono) {
    QImage image(width, height, mono ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    image.fill(mono ? 0u : detail::kOpaque);
    return image;
}

HBITMAP Add(QImage image, bool mono) {
    return HBITMAP{detail::AddObject(BitmapObject{std::move(image), mono, 0})};
}

void LoadMonoBits(QImage& image, const void* bits) {
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    const int stride = (image.width() + 15) / 16 * 2;
    for (int y = 0; y < image.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            line[x] = (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1 ? 0xFF : 0x00;
    }
}

void LoadColourBits(QImage& image, const void* bits) {
    const auto* words = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = detail::kOpaque | words[y * image.width() + x];
    }
}

}  // namespace

HBITMAP CreateBitmap(int width, int height, unsigned planes, unsigned bitsPerPixel,
                     const void* bits) {
    if (planes != 1 || (bitsPerPixel != 1 && bitsPerPixel != 32) || !SizeAllowed(width, height))
        return {};
    if (width == 0 || height == 0) return Add(BlankImage(1, 1, true), true);
    const bool mono = bitsPerPixel == 1;
    QImage image = BlankImage(width, height, mono);
    if (bits) mono ? LoadMonoBits(image, bits) : LoadColourBits(image, bits);
    return Add(std::move(image), mono);
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    if (dc && !detail::FindDc(dc)) return {};
    if (!SizeAllowed(width, height)) return {};
    if (width == 0 || height == 0) return Add(BlankImage(1, 1, true), true);
    const bool mono = dc && IsMonochromeDC(dc);
    return Add(BlankImage(width, height, mono), mono);
}

HBITMAP CreateBitmapFromImage(const QImage& image) {
    if (image.isNull() || !SizeAllowed(image.width(), image.height())) return {};
    return Add(image.convertToFormat(QImage::Format_RGB32), false);
}

QImage BitmapToImage(HBITMAP bitmap) {
    const BitmapObject* object = detail::Find<BitmapObject>(bitmap.id);
    if (!object) return {};
    return object->image.convertToFormat(QImage::Format_RGB32);
}

int BitmapWidth(HBITMAP bitmap) {
    const BitmapObject* object = detail::Find<BitmapObject>(bitmap.id);
    return object ? object->image.width() : 0;
}

int BitmapHeight(HBITMAP bitmap) {
    const BitmapObject* object = detail::Find<BitmapObject>(bitmap.id);
    return object ? object->image.height() : 0;
}

bool IsMonochromeBitmap(HBITMAP bitmap) {
    const BitmapObject* object = detail::Find<BitmapObject>(bitmap.id);
    return object && object->mono;
}

}  // namespace platform::raster

namespace platform::raster::detail {

HBITMAP StockMonoBitmap() {
    static const HBITMAP bitmap{AddStockObject(BitmapObject{BlankImage(1, 1, true), true, 0})};
    return bitmap;
}

}  // namespace platform::raster::detail
