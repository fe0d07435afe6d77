#pragma once

#include <cstdint>

// Evaluation of a raster operation's truth table over whole pixels.
namespace platform::raster::detail {

// The truth-table byte of a raster operation code.
constexpr std::uint8_t RopTable(std::uint32_t rop) {
    return static_cast<std::uint8_t>(rop >> 16);
}

// Whether the result depends on the source.
constexpr bool UsesSource(std::uint8_t table) {
    return ((table >> 2) ^ table) & 0x33;
}

// Combines pattern, source and destination bit by bit: each result bit is bit
// (p * 4 + s * 2 + d) of the table.
template <class Pixel>
constexpr Pixel ApplyTable(std::uint8_t table, Pixel p, Pixel s, Pixel d) {
    Pixel result = 0;
    for (int index = 0; index < 8; ++index) {
        if (!((table >> index) & 1)) continue;
        const Pixel pp = (index & 4) ? p : static_cast<Pixel>(~p);
        const Pixel ss = (index & 2) ? s : static_cast<Pixel>(~s);
        const Pixel dd = (index & 1) ? d : static_cast<Pixel>(~d);
        result = static_cast<Pixel>(result | (pp & ss & dd));
    }
    return result;
}

// Applies the table to a row: dst[i] = table(p, src[i], dst[i]). The common
// codes take a direct path; they give the same result as the general one.
template <class Pixel>
void CombineRow(std::uint8_t table, Pixel p, const Pixel* src, Pixel* dst, int count) {
    switch (table) {
        case 0xCC:
            for (int i = 0; i < count; ++i) dst[i] = src[i];
            return;
        case 0x33:
            for (int i = 0; i < count; ++i) dst[i] = static_cast<Pixel>(~src[i]);
            return;
        case 0x88:
            for (int i = 0; i < count; ++i) dst[i] = static_cast<Pixel>(src[i] & dst[i]);
            return;
        case 0x66:
            for (int i = 0; i < count; ++i) dst[i] = static_cast<Pixel>(src[i] ^ dst[i]);
            return;
        case 0xEE:
            for (int i = 0; i < count; ++i) dst[i] = static_cast<Pixel>(src[i] | dst[i]);
            return;
        default:
            for (int i = 0; i < count; ++i)
                dst[i] = ApplyTable<Pixel>(table, p, src ? src[i] : Pixel{0}, dst[i]);
    }
}

}  // namespace platform::raster::detail
