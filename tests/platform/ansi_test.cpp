#include <gtest/gtest.h>

#include "platform/basic/ansi.h"

namespace {

struct RoundTripCase {
    const char* text;   // UTF-8
    const char* bytes;  // GBK, as hex
    const char* back;   // UTF-8, what converting back gives
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << "bytes " << c.bytes;
}

class AnsiRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(AnsiRoundTripTest, EncodesAndDecodes) {
    const QString text = QString::fromUtf8(GetParam().text);
    const QByteArray bytes = platform::basic::ToAnsi(text);
    EXPECT_EQ(bytes.toHex(), QByteArray(GetParam().bytes));
    EXPECT_EQ(platform::basic::AnsiLength(text), bytes.size());
    EXPECT_EQ(platform::basic::FromAnsi(bytes), QString::fromUtf8(GetParam().back));
}

const RoundTripCase kRoundTrips[] = {
    {"", "", ""},
    {"abc", "616263", "abc"},
    {"平安银行", "c6bdb0b2d2f8d0d0", "平安银行"},
    {"贵州茅台GZMT", "b9f3d6ddc3a9cca8475a4d54", "贵州茅台GZMT"},
    {"写入信息时出错,请确定您有足够的权限！",
     "d0b4c8ebd0c5cfa2cab1b3f6b4ed2cc7ebc8b7b6a8c4fad3d0d7e3b9bbb5c4c8a8cfdea3a1",
     "写入信息时出错,请确定您有足够的权限！"},
    {"€", "80", "€"},
    {"é", "a8a6", "é"},
    // Characters that GBK lacks do not survive.
    {"ä", "3f", "?"},
    {"a😀b", "613f62", "a?b"},
};

INSTANTIATE_TEST_SUITE_P(Table, AnsiRoundTripTest, ::testing::ValuesIn(kRoundTrips));

TEST(FromAnsi, KeepsATraceOfABrokenLastCharacter) {
    EXPECT_EQ(platform::basic::FromAnsi(QByteArray("ab\xD6")), QStringLiteral("ab\uFFFD"));
    EXPECT_EQ(platform::basic::FromAnsi(QByteArray("\xD6\xD0\xD6")), QStringLiteral("中\uFFFD"));
    EXPECT_EQ(platform::basic::FromAnsi(QByteArray("\xD6\xD0")), QStringLiteral("中"));
}

// The converters are kept from one call to the next: half a character left
// at the end of one text must not join the start of the next.
TEST(FromAnsi, NothingCarriesOverToTheNextText) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(platform::basic::FromAnsi(QByteArray("ab\xD6")), QStringLiteral("ab\uFFFD"));
        EXPECT_EQ(platform::basic::FromAnsi(QByteArray("\xD0")), QStringLiteral("\uFFFD"));
        EXPECT_EQ(platform::basic::ToAnsi(QStringLiteral("中")), QByteArray("\xD6\xD0"));
    }
}

struct CutCase {
    const char* bytes;  // hex
    qsizetype max;
    const char* cut;  // hex
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.bytes << " to " << c.max;
}

class CutAnsiTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutAnsiTest, NeverKeepsHalfACharacter) {
    const QByteArray bytes = QByteArray::fromHex(GetParam().bytes);
    EXPECT_EQ(platform::basic::CutAnsi(bytes, GetParam().max).toHex(), QByteArray(GetParam().cut))
        << GetParam().bytes << " to " << GetParam().max;
}

const CutCase kCuts[] = {
    {"616263", 2, "6162"},
    {"616263", 3, "616263"},
    {"616263", 9, "616263"},
    {"d6d0cec4", 3, "d6d0"},      // 中文 to 3: only 中
    {"d6d0cec4", 4, "d6d0cec4"},  // 中文 whole
    {"61d6d0", 2, "61"},          // a中 to 2: a
    {"d6d0", 1, ""},
    {"", 5, ""},
    {"616263", 0, ""},
    {"616263", -1, ""},
    {"d630", 1, "d6"},      // a lead byte without a valid trail stands alone
    {"d67f", 1, "d6"},      // 0x7F is no trail byte
    {"815d5d", 2, "815d"},  // a trail byte that looks like "]"
    {"80d6d0", 2, "80"},    // 0x80 is a single-byte character
    {"ffd6d0", 2, "ff"},
};

INSTANTIATE_TEST_SUITE_P(Table, CutAnsiTest, ::testing::ValuesIn(kCuts));

TEST(CutAnsi, LongChineseTextToTheProfileLimit) {
    const QByteArray bytes = platform::basic::ToAnsi(QStringLiteral("a") + QString(150, u'中'));
    const QByteArray cut = platform::basic::CutAnsi(bytes, 254);
    EXPECT_EQ(cut.size(), 253);
    EXPECT_EQ(platform::basic::FromAnsi(cut), QStringLiteral("a") + QString(126, u'中'));
}

}  // namespace
