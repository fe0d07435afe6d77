#include <gtest/gtest.h>

#include <string_view>

#include "platform/basic/numeric.h"

namespace {

using namespace std::literals;

struct NumericCase {
    std::u16string_view text;
    bool numeric;
    const char* why;
};

void PrintTo(const NumericCase& c, std::ostream* os) {
    *os << c.why;
}

class IsNumericTest : public ::testing::TestWithParam<NumericCase> {};

TEST_P(IsNumericTest, Decides) {
    const NumericCase& c = GetParam();
    const QString text = QString::fromUtf16(c.text.data(), c.text.size());
    EXPECT_EQ(platform::basic::IsNumeric(text), c.numeric)
        << "\"" << text.toStdString() << "\": " << c.why;
}

// Choices where BASIC runtimes differ and we stay strict: a group separator
// must stand between two digits of the whole part ("1,,2", ",1" and "1," fail,
// group sizes are not checked); hexadecimal and octal literals fail like any
// other letter; a trailing sign, parentheses and a blank after the sign fail;
// only ASCII digits and only spaces and tabs as blanks.
const NumericCase kCases[] = {
    {u"123456", true, "six digits"},
    {u"000001", true, "leading zeros"},
    {u"-12345", true, "minus sign"},
    {u"+5", true, "plus sign"},
    {u"  42  ", true, "blanks around"},
    {u"\t42\t", true, "tabs around"},
    {u"  -.5  ", true, "sign, point and blanks"},
    {u"1.", true, "point behind digits"},
    {u".5", true, "point before digits"},
    {u"1.5e3", true, "fraction and exponent"},
    {u"1.e5", true, "point then exponent"},
    {u"12e300", true, "three-digit exponent within range"},
    {u"1E5", true, "capital exponent"},
    {u"1e+5", true, "exponent with plus"},
    {u"1e-5", true, "exponent with minus"},
    {u"1d5", true, "BASIC's d exponent"},
    {u"1D-2", true, "BASIC's D exponent"},
    {u"1,000", true, "group separator"},
    {u"1,000,000.25", true, "groups and fraction"},
    {u"12,3456", true, "group sizes are not checked"},
    {u"", false, "empty"},
    {u"   ", false, "blanks only"},
    {u"\t", false, "tab only"},
    {u".", false, "lone point"},
    {u"+", false, "lone sign"},
    {u"-", false, "lone minus"},
    {u"+-1", false, "two signs"},
    {u"--1", false, "double minus"},
    {u"1-", false, "trailing sign"},
    {u"(1)", false, "parentheses"},
    {u"- 1", false, "blank after sign"},
    {u"1 2", false, "blank inside"},
    {u"60000a", false, "letter at the end"},
    {u"a1", false, "letter at the start"},
    {u"1e", false, "exponent without digits"},
    {u"1e+", false, "exponent sign without digits"},
    {u"e5", false, "exponent without mantissa"},
    {u".e5", false, "point and exponent only"},
    {u"1e5.5", false, "fractional exponent"},
    {u"1e1,0", false, "separator in exponent"},
    {u"1,,2", false, "two separators"},
    {u",1", false, "leading separator"},
    {u"1,", false, "trailing separator"},
    {u"1,.5", false, "separator before point"},
    {u"1.2,3", false, "separator in fraction"},
    {u"1.2.3", false, "two points"},
    {u"&H10", false, "hexadecimal literal"},
    {u"&O7", false, "octal literal"},
    {u"0x10", false, "C hexadecimal"},
    {u"NaN", false, "not a number"},
    {u"Infinity", false, "infinity"},
    {u"1_000", false, "underscore"},
    {u"$5", false, "currency sign"},
    {u"\uFF11\uFF12\uFF13", false, "full-width digits"},
    {u"12\u00A0", false, "no-break space"},
    {u"123\n", false, "line end"},
    {u"12\u00003"sv, false, "NUL inside"},
    {u"平安", false, "Chinese text"},
};

INSTANTIATE_TEST_SUITE_P(Table, IsNumericTest, ::testing::ValuesIn(kCases));

// A number must fit a Double: overflow fails, underflow is zero and passes.
const NumericCase kRangeCases[] = {
    {u"99e999", false, "far beyond the largest Double"},
    {u"12e345", false, "six characters beyond the range"},
    {u"-1e309", false, "negative overflow"},
    {u"99d999", false, "BASIC's d exponent overflows too"},
    {u"1,000e306", false, "groups count toward the size"},
    {u"0.01e311", false, "fraction shifted out of range"},
    {u"1e99999999999999999999", false, "exponent beyond any integer"},
    {u"1.7976931348623159e308", false, "rounds past the largest Double"},
    {u"1.7976931348623158e308", true, "rounds down to the largest Double"},
    {u"1.7976931348623157e308", true, "the largest Double"},
    {u"0.001e311", true, "fraction shifted into range"},
    {u"1e308", true, "largest power of ten"},
    {u"1e-400", true, "underflow is zero"},
    {u"1e-99999999999999999999", true, "exponent below any integer"},
    {u"0e999999", true, "zero with a huge exponent"},
    {u"000000000000000000000000000001e308", true, "leading zeros do not count"},
};

INSTANTIATE_TEST_SUITE_P(Range, IsNumericTest, ::testing::ValuesIn(kRangeCases));

TEST(IsNumeric, LongInputsAnswer) {
    EXPECT_FALSE(platform::basic::IsNumeric(QString(1'000'000, u'7')));
    EXPECT_TRUE(platform::basic::IsNumeric(QString(999'999, u'0') + u'7'));
    EXPECT_TRUE(platform::basic::IsNumeric(QStringLiteral("0.") + QString(999'999, u'0') + u'7'));
    EXPECT_FALSE(platform::basic::IsNumeric(QString(1'000'000, u',')));
    EXPECT_FALSE(platform::basic::IsNumeric(QString(500'000, u'1') + QStringLiteral(",,")));
}

}  // namespace
