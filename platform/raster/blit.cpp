#include "platform/raster/blit.h"

#include <algorithm>
#include <vector>

#include "platform/raster/brush.h"
#include "platform/raster/pixels.h"
#include "platform/raster/rop.h"

namespace platform::raster {
namespace {

using detail::DcObject;
using detail::Target;

struct Side {
    DcObject* dc = nullptr;
    Target target;
};

Side Resolve(HDC dc) {
    DcObject* object = detail::FindDc(dc);
    if (!object) return {};
    return Side{object, detail::TargetOf(*object)};
}

// A w x h block of a source, converted to the destination's format; pixels
// outside the source read as 0.
template <class Pixel>
struct Block {
    int width = 0;
    std::vector<Pixel> pixels;
    const Pixel* Row(int y) const { return pixels.data() + std::size_t(y) * width; }
};

// The columns [first, last) of a block row at sx that lie inside a source
// `width` wide.
std::pair<int, int> InsideColumns(int sx, int w, int width) {
    const int first = std::min(std::max(0, -sx), w);
    return {first, std::max(first, std::min(w, width - sx))};
}

// Calls read(out row, source line) for every block row inside the source.
template <class Pixel, class ReadRow>
Block<Pixel> ReadBlock(const Target& src, int sy, int w, int h, ReadRow read) {
    Block<Pixel> block{w, std::vector<Pixel>(std::size_t(w) * h, 0)};
    const int height = src.height();
    for (int y = std::max(0, -sy); y < h && sy + y < height; ++y)
        read(block.pixels.data() + std::size_t(y) * w, src.image->constScanLine(sy + y));
    return block;
}

// The destination is colour: colour pixels are copied, monochrome 1 becomes
// the destination's background colour and 0 its text colour.
Block<std::uint32_t> ReadForColour(const Side& src, const DcObject& dst, int sx, int sy, int w,
                                   int h) {
    const auto [first, last] = InsideColumns(sx, w, src.target.width());
    if (!src.target.mono) {
        return ReadBlock<std::uint32_t>(
            src.target, sy, w, h, [&](std::uint32_t* out, const uchar* line) {
                const auto* pixels = reinterpret_cast<const std::uint32_t*>(line);
                std::copy(pixels + sx + first, pixels + sx + last, out + first);
            });
    }
    const std::uint32_t one = detail::ToPixel(dst.bkColor);
    const std::uint32_t zero = detail::ToPixel(dst.textColor);
    return ReadBlock<std::uint32_t>(src.target, sy, w, h,
                                    [&](std::uint32_t* out, const uchar* line) {
                                        for (int x = first; x < last; ++x)
                                            out[x] = line[sx + x] ? one : zero;
                                    });
}

// The destination is monochrome: a colour pixel equal to the source's
// background colour becomes 1 (0xFF), every other 0.
Block<std::uint8_t> ReadForMono(const Side& src, int sx, int sy, int w, int h) {
    const auto [first, last] = InsideColumns(sx, w, src.target.width());
    if (src.target.mono) {
        return ReadBlock<std::uint8_t>(
            src.target, sy, w, h, [&](std::uint8_t* out, const uchar* line) {
                std::copy(line + sx + first, line + sx + last, out + first);
            });
    }
    const COLORREF key = src.dc->bkColor;
    return ReadBlock<std::uint8_t>(src.target, sy, w, h, [&](std::uint8_t* out, const uchar* line) {
        const auto* pixels = reinterpret_cast<const std::uint32_t*>(line);
        for (int x = first; x < last; ++x)
            out[x] = detail::ToColorref(pixels[sx + x]) == key ? 0xFF : 0x00;
    });
}

// The repeated or AND-combined source of a stretched copy (BLACKONWHITE).
template <class Pixel>
Block<Pixel> Stretch(const Block<Pixel>& source, int sourceHeight, int w, int h) {
    Block<Pixel> out{w, std::vector<Pixel>(std::size_t(w) * h)};
    const int sourceWidth = source.width;
    auto span = [](int i, int from, int to) {
        const int first = int(qint64{i} * from / to);
        const int last = std::max(first + 1, int(qint64{i + 1} * from / to));
        return std::pair{first, last};
    };
    for (int y = 0; y < h; ++y) {
        const auto [y0, y1] = span(y, sourceHeight, h);
        for (int x = 0; x < w; ++x) {
            const auto [x0, x1] = span(x, sourceWidth, w);
            Pixel combined = static_cast<Pixel>(~Pixel{0});
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx)
                    combined = static_cast<Pixel>(combined & source.Row(sy)[sx]);
            out.pixels[std::size_t(y) * w + x] = combined;
        }
    }
    return out;
}

// Combines the block (or no source) into the w x h area at (x, y) of the
// destination, clipped to it.
template <class Pixel>
void Combine(const Target& dst, int x, int y, int w, int h, const Block<Pixel>* source,
             Pixel pattern, std::uint8_t table, Pixel opaque) {
    const int left = std::max(x, 0);
    const int right = std::min(x + w, dst.width());
    const int top = std::max(y, 0);
    const int bottom = std::min(y + h, dst.height());
    if (right <= left) return;
    for (int row = top; row < bottom; ++row) {
        Pixel* line = reinterpret_cast<Pixel*>(dst.image->scanLine(row)) + left;
        const Pixel* src = source ? source->Row(row - y) + (left - x) : nullptr;
        detail::CombineRow<Pixel>(table, pattern, src, line, right - left);
        if (opaque)
            for (int i = 0; i < right - left; ++i) line[i] = static_cast<Pixel>(line[i] | opaque);
    }
}

// Reads the source block (when the code uses one), stretches it to w x h and
// combines it into the destination.
bool Run(const Side& dst, int x, int y, int w, int h, const Side* src, int sx, int sy, int sw,
         int sh, ROP rop) {
    const std::uint8_t table = detail::RopTable(rop);
    const COLORREF brush = BrushColor(dst.dc->brush);
    if (dst.target.mono) {
        Block<std::uint8_t> block;
        if (src) block = ReadForMono(*src, sx, sy, sw, sh);
        if (src && (sw != w || sh != h)) block = Stretch(block, sh, w, h);
        Combine<std::uint8_t>(dst.target, x, y, w, h, src ? &block : nullptr, detail::ToMono(brush),
                              table, 0);
    } else {
        Block<std::uint32_t> block;
        if (src) block = ReadForColour(*src, *dst.dc, sx, sy, sw, sh);
        if (src && (sw != w || sh != h)) block = Stretch(block, sh, w, h);
        Combine<std::uint32_t>(dst.target, x, y, w, h, src ? &block : nullptr,
                               detail::ToPixel(brush), table, detail::kOpaque);
    }
    return true;
}

// Shrinks a plain copy to the part that lies inside the source bitmap.
bool ClipToSource(const Target& src, int& x, int& y, int& w, int& h, int& sx, int& sy) {
    const int left = std::max(sx, 0);
    const int top = std::max(sy, 0);
    const int right = std::min(sx + w, src.width());
    const int bottom = std::min(sy + h, src.height());
    if (right <= left || bottom <= top) return false;
    x += left - sx;
    y += top - sy;
    w = right - left;
    h = bottom - top;
    sx = left;
    sy = top;
    return true;
}

}  // namespace

bool BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, ROP rop) {
    const Side to = Resolve(dst);
    if (!to.target || w <= 0 || h <= 0) return false;
    if (!detail::UsesSource(detail::RopTable(rop)))
        return Run(to, x, y, w, h, nullptr, 0, 0, w, h, rop);
    const Side from = Resolve(src);
    if (!from.target) return false;
    if (!ClipToSource(from.target, x, y, w, h, xSrc, ySrc)) return true;
    return Run(to, x, y, w, h, &from, xSrc, ySrc, w, h, rop);
}

bool StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int xSrc, int ySrc, int wSrc,
                int hSrc, ROP rop) {
    if (w == wSrc && h == hSrc) return BitBlt(dst, x, y, w, h, src, xSrc, ySrc, rop);
    const Side to = Resolve(dst);
    if (!to.target || w <= 0 || h <= 0 || wSrc <= 0 || hSrc <= 0) return false;
    if (!detail::UsesSource(detail::RopTable(rop)))
        return Run(to, x, y, w, h, nullptr, 0, 0, w, h, rop);
    const Side from = Resolve(src);
    if (!from.target) return false;
    return Run(to, x, y, w, h, &from, xSrc, ySrc, wSrc, hSrc, rop);
}

}  // namespace platform::raster
