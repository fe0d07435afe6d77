#include "platform/raster/text_prefix.h"

namespace platform::raster::detail {

PrefixedText StripPrefixes(const QString& text) {
    PrefixedText result;
    result.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) {
            result.text.append(text[i]);
            continue;
        }
        if (++i == text.size()) break;
        if (text[i] != QLatin1Char('&')) result.underlined.push_back(int(result.text.size()));
        result.text.append(text[i]);
    }
    return result;
}

std::vector<std::vector<int>> UnderlinedByLine(const PrefixedText& text,
                                               const std::vector<QString>& lines) {
    std::vector<std::vector<int>> result(lines.size());
    auto mark = text.underlined.begin();
    qsizetype at = 0;
    for (size_t line = 0; line < lines.size(); ++line) {
        for (qsizetype i = 0; i < lines[line].size(); ++i, ++at) {
            // Skip what the layout left out before this character.
            while (at < text.text.size() && text.text[at] != lines[line][i]) ++at;
            while (mark != text.underlined.end() && *mark < at) ++mark;
            if (mark != text.underlined.end() && *mark == at) result[line].push_back(int(i));
        }
    }
    return result;
}

}  // namespace platform::raster::detail
