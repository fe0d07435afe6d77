#include "platform/basic/numeric.h"

namespace platform {
namespace {

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

// Digits from at; moves at behind them and returns how many there were.
qsizetype skipDigits(QStringView text, qsizetype& at) {
    const qsizetype from = at;
    while (at < text.size() && isDigit(text[at])) ++at;
    return at - from;
}

// The whole part: digits, with each group separator standing between two digits.
qsizetype skipGroupedDigits(QStringView text, qsizetype& at) {
    qsizetype digits = skipDigits(text, at);
    while (digits > 0 && at + 1 < text.size() && text[at] == u',' && isDigit(text[at + 1])) {
        ++at;
        digits += skipDigits(text, at);
    }
    return digits;
}

bool skipExponent(QStringView text, qsizetype& at) {
    if (at >= text.size() || !isExponentMark(text[at])) return true;
    ++at;
    if (at < text.size() && isSign(text[at])) ++at;
    return skipDigits(text, at) > 0;
}

QStringView withoutBlanks(QStringView text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlank(text[from])) ++from;
    while (to > from && isBlank(text[to - 1])) --to;
    return text.sliced(from, to - from);
}

}  // namespace

bool IsNumeric(const QString& text) {
    const QStringView number = withoutBlanks(text);
    qsizetype at = 0;
    if (at < number.size() && isSign(number[at])) ++at;
    qsizetype digits = skipGroupedDigits(number, at);
    if (at < number.size() && number[at] == u'.') {
        ++at;
        digits += skipDigits(number, at);
    }
    if (digits == 0 || !skipExponent(number, at)) return false;
    return at == number.size();
}

}  // namespace platform
