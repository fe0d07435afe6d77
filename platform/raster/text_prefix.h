#pragma once

#include <QString>
#include <vector>

namespace platform::raster::detail {

// A text with its mnemonic prefixes taken out: "&x" shows x underlined, "&&"
// shows one "&", and a lone "&" at the very end shows nothing.
struct PrefixedText {
    QString text;
    std::vector<int> underlined;  // positions in text, ascending
};

PrefixedText StripPrefixes(const QString& text);

// For each of `lines`, cut from `text` in order with only blanks and line
// ends left out between or around them, the positions within that line of
// the characters to underline.
std::vector<std::vector<int>> UnderlinedByLine(const PrefixedText& text,
                                               const std::vector<QString>& lines);

}  // namespace platform::raster::detail
