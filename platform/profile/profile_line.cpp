#include "platform/profile/profile_line.h"

#include "platform/basic/ansi.h"

namespace platform::profile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The position of a byte that stands on its own, not as the second byte of a
// double-byte character (whose trail byte may equal "]").
qsizetype findSingleByte(QByteArrayView bytes, char wanted, qsizetype from) {
    for (qsizetype at = from; at < bytes.size(); at += basic::AnsiCharSize(bytes, at))
        if (bytes[at] == wanted) return at;
    return -1;
}

QByteArrayView withoutQuotes(QByteArrayView value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.sliced(1, value.size() - 2);
    return value;
}

}  // namespace

QByteArrayView TrimBlanks(QByteArrayView bytes) {
    qsizetype from = 0;
    qsizetype to = bytes.size();
    while (from < to && isBlank(bytes[from])) ++from;
    while (to > from && isBlank(bytes[to - 1])) --to;
    return bytes.sliced(from, to - from);
}

std::optional<QByteArrayView> SectionName(QByteArrayView line) {
    const QByteArrayView text = TrimBlanks(line);
    if (text.isEmpty() || text.front() != '[') return std::nullopt;
    const qsizetype close = findSingleByte(text, ']', 1);
    if (close < 0) return std::nullopt;
    return TrimBlanks(text.sliced(1, close - 1));
}

std::optional<KeyLine> ParseKeyLine(QByteArrayView line) {
    // "=" lies below every GBK trail byte, so a plain search is safe.
    const qsizetype equals = line.indexOf('=');
    if (equals < 0) return std::nullopt;
    return KeyLine{TrimBlanks(line.first(equals)),
                   withoutQuotes(TrimBlanks(line.sliced(equals + 1)))};
}

QByteArray ValueText(QByteArrayView value) {
    if (TrimBlanks(value) == value && withoutQuotes(value) == value) return value.toByteArray();
    return '"' + value.toByteArray() + '"';
}

bool LineReader::Next(QByteArrayView& line) {
    if (at_ >= text_.size()) return false;
    qsizetype end = at_;
    while (end < text_.size() && text_[end] != '\r' && text_[end] != '\n') ++end;
    line = text_.sliced(at_, end - at_);
    at_ = end;
    if (at_ < text_.size() && text_[at_] == '\r') ++at_;
    if (at_ < text_.size() && text_[at_] == '\n') ++at_;
    return true;
}

}  // namespace platform::profile
