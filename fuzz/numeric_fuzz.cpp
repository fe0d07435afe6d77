// The numeric test against the C library's reading of the same number: for
// texts made of digits, signs, points and exponent marks both must agree, and
// every text that passes must read as a finite number once its group
// separators are dropped and BASIC's "d" exponent is spelt "e".
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/basic/numeric.h"

namespace {

bool isPlainNumberAlphabet(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789+-.eE") == std::string::npos;
}

// A number that overflows reads as infinity and does not count.
bool readsWhole(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size() && !std::isinf(value);
}

std::string asCNumber(const QString& text) {
    std::string out;
    for (const QChar c : text.trimmed()) {
        if (c == u',') continue;
        out += c == u'd' || c == u'D' ? 'e' : static_cast<char>(c.unicode());
    }
    return out;
}

void check(const QString& text) {
    const bool numeric = platform::basic::IsNumeric(text);
    if (numeric != platform::basic::IsNumeric(QStringLiteral(" \t") + text + QStringLiteral("\t ")))
        std::abort();
    if (numeric && !readsWhole(asCNumber(text))) std::abort();
    const std::string plain = text.toStdString();
    if (isPlainNumberAlphabet(plain) && numeric != readsWhole(plain)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const char*>(data);
    check(QString::fromUtf8(bytes, static_cast<qsizetype>(size)));
    check(QString::fromUtf16(reinterpret_cast<const char16_t*>(data),
                             static_cast<qsizetype>(size / 2)));
    return 0;
}
