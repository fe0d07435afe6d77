#include <gtest/gtest.h>

#include "platform/basic/ansi.h"
#include "platform/profile/profile_file.h"
#include "profile_fixture.h"
#include "support/row_print.h"

namespace {

struct ReadCase {
    const char* what;
    const char* content;  // UTF-8, stored as GBK
    const char* section;
    const char* key;
    const char* expected;
    bool byteOrderMark = false;
};

using support::PrintTo;

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsByTheProfileRules) {
    const ReadCase& c = GetParam();
    ProfileFolder folder;
    const QByteArray mark = c.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    folder.Put(mark + platform::basic::ToAnsi(QString::fromUtf8(c.content)));
    EXPECT_EQ(platform::profile::Read(folder.file(), QString::fromUtf8(c.section),
                                      QString::fromUtf8(c.key)),
              QString::fromUtf8(c.expected))
        << c.what;
}

const ReadCase kReadCases[] = {
    {"plain", "[Config]\r\nRemPwd=1\r\n", "Config", "RemPwd", "1"},
    {"section and key in other case", "[config]\r\nremPWD=1\r\n", "CONFIG", "RemPwd", "1"},
    {"blanks around key and value", "[Config]\r\n  RemPwd  =   1   \r\n", "Config", "RemPwd", "1"},
    {"tabs around key and value", "[Config]\r\n\tRemPwd\t=\t1\t\r\n", "Config", "RemPwd", "1"},
    {"blanks inside the value stay", "[Info]\r\nUserName= a b \r\n", "Info", "UserName", "a b"},
    {"blanks around the section line", "  [ Config ]  \r\nA=1\r\n", "Config", "A", "1"},
    {"quotes dropped", "[Config]\r\nLastID=\"000001\"\r\n", "Config", "LastID", "000001"},
    {"only one pair of quotes dropped", "[Config]\r\nA=\"\"x\"\"\r\n", "Config", "A", "\"x\""},
    {"blanks inside quotes stay", "[Config]\r\nA=  \" a \"  \r\n", "Config", "A", " a "},
    {"empty quotes", "[Config]\r\nA=\"\"\r\n", "Config", "A", ""},
    {"a lone quote stays", "[Config]\r\nA=\"\r\n", "Config", "A", "\""},
    {"an opening quote alone stays", "[Config]\r\nA=\"abc\r\n", "Config", "A", "\"abc"},
    {"single quotes stay", "[Config]\r\nA='abc'\r\n", "Config", "A", "'abc'"},
    {"missing key", "[Config]\r\nRemPwd=1\r\n", "Config", "AutoLogin", ""},
    {"missing section", "[Config]\r\nRemPwd=1\r\n", "Info", "RemPwd", ""},
    {"key of another section", "[Config]\r\nA=1\r\n[Info]\r\nB=2\r\n", "Config", "B", ""},
    {"key of the second section", "[Config]\r\nA=1\r\n[Info]\r\nB=2\r\n", "Info", "B", "2"},
    {"yes is read as it stands", "[Config]\r\nRemPwd=yes\r\n", "Config", "RemPwd", "yes"},
    {"one with blanks reads as one", "[Config]\r\nRemPwd=  1 \r\n", "Config", "RemPwd", "1"},
    {"empty value", "[Config]\r\nA=\r\n", "Config", "A", ""},
    {"blank value", "[Config]\r\nA=   \r\n", "Config", "A", ""},
    {"value holding an equals sign", "[Config]\r\nA=b=c\r\n", "Config", "A", "b=c"},
    {"first of duplicate keys", "[Config]\r\nA=1\r\nA=2\r\n", "Config", "A", "1"},
    {"first of duplicate sections", "[Config]\r\nA=1\r\n[Config]\r\nA=2\r\n", "Config", "A", "1"},
    {"keys of a later duplicate section are not seen", "[Config]\r\nA=1\r\n[config]\r\nB=2\r\n",
     "Config", "B", ""},
    {"byte-order mark before the first section", "[Config]\r\nA=1\r\n", "Config", "A", "1", true},
    {"LF line ends", "[Config]\nA=1\nB=2\n", "Config", "B", "2"},
    {"CR line ends", "[Config]\rA=1\rB=2\r", "Config", "B", "2"},
    {"mixed line ends", "[Info]\r\nX=0\n[Config]\rA=1\n\rB=2", "Config", "B", "2"},
    {"no line end at the end", "[Config]\r\nA=1", "Config", "A", "1"},
    {"lines without an equals sign", "[Config]\r\njunk\r\nA=1\r\n", "Config", "A", "1"},
    {"a line without an equals sign is no key", "[Config]\r\njunk\r\n", "Config", "junk", ""},
    {"keys before any section", "A=0\r\n[Config]\r\nA=1\r\n", "Config", "A", "1"},
    {"comment behind the section", "[Config] ; settings\r\nA=1\r\n", "Config", "A", "1"},
    {"commented-out key", "[Config]\r\n;A=1\r\n", "Config", "A", ""},
    {"section line without closing bracket", "[Config\r\nA=1\r\n", "Config", "A", ""},
    {"key with a blank inside", "[Config]\r\nLast ID=3\r\n", "Config", "Last ID", "3"},
    {"Chinese value", "[Info]\r\nUserName=平安银行\r\n", "Info", "UserName", "平安银行"},
    {"Chinese section whose trail byte is a closing bracket", "[乚]\r\nA=1\r\n", "乚", "A", "1"},
    {"Chinese key", "[Info]\r\n名称=贵州茅台\r\n", "Info", "名称", "贵州茅台"},
    {"requested names with blanks", "[Config]\r\nA=1\r\n", " Config ", " A ", "1"},
    {"empty file", "", "Config", "A", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, ProfileReadTest, ::testing::ValuesIn(kReadCases));

struct LimitCase {
    const char* what;
    QString stored;
    int bufferSize;
    QString expected;
};

class ProfileReadLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ProfileReadLimitTest, CutsToTheBuffer) {
    const LimitCase& c = GetParam();
    ProfileFolder folder;
    folder.PutText(QStringLiteral("[Info]\r\nPassWord=") + c.stored + QStringLiteral("\r\n"));
    EXPECT_EQ(platform::profile::Read(folder.file(), QStringLiteral("Info"),
                                      QStringLiteral("PassWord"), c.bufferSize),
              c.expected)
        << c.what;
}

const LimitCase kLimitCases[] = {
    {"300 bytes to 254", QString(300, u'x'), 255, QString(254, u'x')},
    {"254 bytes whole", QString(254, u'x'), 255, QString(254, u'x')},
    {"255 bytes to 254", QString(255, u'x'), 255, QString(254, u'x')},
    {"never half a Chinese character", u'a' + QString(150, u'中'), 255, u'a' + QString(126, u'中')},
    {"Chinese that fits exactly", QString(127, u'中'), 255, QString(127, u'中')},
    {"quotes dropped before the cut", u'"' + QString(300, u'x') + u'"', 255, QString(254, u'x')},
    {"a small buffer", QStringLiteral("0123456789abc"), 10, QStringLiteral("012345678")},
    {"a buffer of one byte", QStringLiteral("abc"), 1, QString()},
    {"no buffer", QStringLiteral("abc"), 0, QString()},
    {"a negative buffer", QStringLiteral("abc"), -5, QString()},
};

INSTANTIATE_TEST_SUITE_P(Table, ProfileReadLimitTest, ::testing::ValuesIn(kLimitCases));

}  // namespace
