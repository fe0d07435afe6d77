#include "platform/basic/numeric.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace platform::basic {
namespace {

// A Double reaches up to about 1.8 times ten to this power.
constexpr qint64 kLargestPower = 308;
// Far beyond any power that a text's digits could bring back into range.
constexpr qint64 kExponentLimit = 1'000'000'000'000;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}
bool isSign(QChar c) {
    return c == u'+' || c == u'-';
}
bool isExponentMark(QChar c) {
    return c == u'e' || c == u'E' || c == u'd' || c == u'D';
}

// A number as the test reads it.
struct Number {
    QString digits;  // the whole part and the fraction, without group separators
    qsizetype wholeDigits = 0;
    qint64 exponent = 0;  // held within +/- kExponentLimit
};

// Digits from at; moves at behind them, adds them to digits and returns how many there were.
qsizetype takeDigits(QStringView text, qsizetype& at, QString& digits) {
    const qsizetype from = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    digits += text.sliced(from, at - from);
    return at - from;
}

// The whole part: digits, with each group separator standing between two digits.
qsizetype takeGroupedDigits(QStringView text, qsizetype& at, QString& digits) {
    qsizetype count = takeDigits(text, at, digits);
    while (count > 0 && at + 1 < text.size() && text[at] == u',' && isDigit(text[at + 1])) {
        ++at;
        count += takeDigits(text, at, digits);
    }
    return count;
}

bool takeExponent(QStringView text, qsizetype& at, qint64& exponent) {
    if (at >= text.size() || !isExponentMark(text[at])) return true;
    ++at;
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && isSign(text[at])) ++at;
    const qsizetype from = at;
    for (; at < text.size() && isDigit(text[at]); ++at)
        exponent = std::min(exponent * 10 + (text[at].unicode() - u'0'), kExponentLimit);
    if (negative) exponent = -exponent;
    return at > from;
}

QStringView withoutBlanks(QStringView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from])) ++from;
    while (to > from && isBlank(text[to - 1])) --to;
    return text.sliced(from, to - from);
}

// Whether the number converts to a Double without overflow; a number too
// small for one becomes zero and still counts. Only a leading digit at the
// largest power needs the exact conversion.
bool fitsDouble(const Number& number) {
    qsizetype first = 0;
    while (first < number.digits.size() && number.digits[first] == u'0') ++first;
    if (first == number.digits.size()) return true;
    const qint64 power = number.wholeDigits - first - 1 + number.exponent;
    if (power != kLargestPower) return power < kLargestPower;
    std::string scientific = number.digits.sliced(first).toStdString();
    scientific.insert(1, 1, '.');
    scientific += "e308";
    double value = 0;
    const auto result =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    return result.ec != std::errc::result_out_of_range;
}

}  // namespace

bool IsNumeric(const QString& text) {
    const QStringView view = withoutBlanks(text);
    Number number;
    qsizetype at = 0;
    if (at < view.size() && isSign(view[at])) ++at;
    number.wholeDigits = takeGroupedDigits(view, at, number.digits);
    if (at < view.size() && view[at] == u'.') {
        ++at;
        takeDigits(view, at, number.digits);
    }
    if (number.digits.isEmpty() || !takeExponent(view, at, number.exponent)) return false;
    return at == view.size() && fitsDouble(number);
}

}  // namespace platform::basic
