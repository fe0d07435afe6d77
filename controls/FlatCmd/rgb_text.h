#pragma once

#include <QLatin1StringView>
#include <array>
#include <cstdint>
#include <cstring>

namespace controls {

namespace detail {

// The decimal text of every byte value, made once: the key-out forms the
// text of every pixel of the face on every repaint.
struct ByteText {
    std::array<char, 3> digits{};
    int length = 0;
};

constexpr std::array<ByteText, 256> MakeByteTexts() {
    std::array<ByteText, 256> texts{};
    for (int amount = 0; amount < 256; ++amount) {
        ByteText& text = texts[static_cast<std::size_t>(amount)];
        if (amount >= 100) text.digits[text.length++] = static_cast<char>('0' + amount / 100);
        if (amount >= 10) text.digits[text.length++] = static_cast<char>('0' + amount / 10 % 10);
        text.digits[text.length++] = static_cast<char>('0' + amount % 10);
    }
    return texts;
}

inline constexpr std::array<ByteText, 256> kByteTexts = MakeByteTexts();

}  // namespace detail

// A colour as the decimal texts of its red, green and blue bytes run
// together, without separators or leading zeros: black "000", magenta
// "2550255". The colour is the 32-bit value that reading a pixel gives, so
// the invalid colour (all bits set) reads like white.
class RgbText {
public:
    explicit RgbText(std::int32_t colour) {
        Append(colour & 0xFF);
        Append((colour & 0xFF00) / 0x100);
        Append((colour & 0xFF0000) / 0x10000);
    }
    QLatin1StringView View() const { return QLatin1StringView(text_.data(), length_); }

private:
    // Copies all three places and counts only the digits, which is cheaper
    // than copying a varying number of them.
    void Append(int amount) {
        const auto& text = detail::kByteTexts[static_cast<std::size_t>(amount)];
        std::memcpy(text_.data() + length_, text.digits.data(), text.digits.size());
        length_ += text.length;
    }

    std::array<char, 11> text_{};  // nine digits at most, and room to copy in threes
    int length_ = 0;
};

// The text that the skin's key-out looks for. Magenta (255, 0, 255) gives it,
// and so does (25, 50, 255).
inline constexpr QLatin1StringView kKeyText("2550255");

}  // namespace controls
