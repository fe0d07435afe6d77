#include "controls/FlatCmd/rgb_text.h"

namespace controls {

RgbText::RgbText(std::int32_t colour) {
    Append(colour & 0xFF);
    Append((colour & 0xFF00) / 0x100);
    Append((colour & 0xFF0000) / 0x10000);
}

void RgbText::Append(int amount) {
    if (amount >= 100) text_[length_++] = static_cast<char>('0' + amount / 100);
    if (amount >= 10) text_[length_++] = static_cast<char>('0' + amount / 10 % 10);
    text_[length_++] = static_cast<char>('0' + amount % 10);
}

}  // namespace controls
