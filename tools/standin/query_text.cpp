#include "query_text.h"

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string QueryOf(const std::string& target) {
    const std::size_t mark = target.find('?');
    return mark == std::string::npos ? std::string() : target.substr(mark + 1);
}

QByteArray PercentDecode(const QByteArray& text, bool plusIsBlank) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+' && plusIsBlank) {
            out.append(' ');
            continue;
        }
        if (c == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
            hexValue(text[i + 2]) >= 0) {
            out.append(static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
            continue;
        }
        out.append(c);
    }
    return out;
}

QList<QPair<QByteArray, QByteArray>> ParseQuery(const std::string& query) {
    QList<QPair<QByteArray, QByteArray>> pairs;
    const QByteArray raw = QByteArray::fromStdString(query);
    for (const QByteArray& part : raw.split('&')) {
        if (part.isEmpty()) continue;
        const qsizetype equals = part.indexOf('=');
        const QByteArray key = equals < 0 ? part : part.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : part.mid(equals + 1);
        pairs.append({PercentDecode(key, true), PercentDecode(value, true)});
    }
    return pairs;
}

QByteArray QueryValue(const QList<QPair<QByteArray, QByteArray>>& pairs, const QByteArray& key) {
    for (const auto& pair : pairs)
        if (pair.first == key) return pair.second;
    return {};
}
