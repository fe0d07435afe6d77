#pragma once

#include <QLatin1StringView>
#include <array>
#include <cstdint>

namespace controls {

// A colour as the decimal texts of its red, green and blue bytes run
// together, without separators or leading zeros: black "000", magenta
// "2550255". The colour is the 32-bit value that reading a pixel gives, so
// the invalid colour (all bits set) reads like white.
class RgbText {
public:
    explicit RgbText(std::int32_t colour);
    QLatin1StringView View() const { return QLatin1StringView(text_.data(), length_); }

private:
    void Append(int amount);

    std::array<char, 9> text_{};
    int length_ = 0;
};

// The text that the skin's key-out looks for. Magenta (255, 0, 255) gives it,
// and so does (25, 50, 255).
inline constexpr QLatin1StringView kKeyText("2550255");

}  // namespace controls
