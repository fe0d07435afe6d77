#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "platform/basic/ansi.h"
#include "platform/profile/profile_file.h"
#include "profile_fixture.h"
#include "support/row_print.h"

namespace {

struct WriteCase {
    const char* what;
    const char* before;  // UTF-8, stored as GBK; nullptr: no file
    const char* section;
    const char* key;
    const char* value;
    const char* after;  // the whole file afterwards, UTF-8 of the GBK bytes
};

using support::PrintTo;

class ProfileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, ChangesOnlyTheKey) {
    const WriteCase& c = GetParam();
    ProfileFolder folder;
    if (c.before != nullptr) folder.PutText(QString::fromUtf8(c.before));
    ASSERT_TRUE(platform::profile::Write(folder.file(), QString::fromUtf8(c.section),
                                         QString::fromUtf8(c.key), QString::fromUtf8(c.value)))
        << c.what;
    EXPECT_EQ(folder.Bytes(), platform::basic::ToAnsi(QString::fromUtf8(c.after))) << c.what;
}

const WriteCase kWriteCases[] = {
    {"new file", nullptr, "Config", "RemPwd", "1", "[Config]\r\nRemPwd=1\r\n"},
    {"empty file", "", "Config", "RemPwd", "1", "[Config]\r\nRemPwd=1\r\n"},
    {"replace a value, keep the rest",
     "[Config]\r\nRemPwd=0\r\nAutoLogin=1\r\n\r\n[Info]\r\nUserName=x\r\n", "Config", "RemPwd", "1",
     "[Config]\r\nRemPwd=1\r\nAutoLogin=1\r\n\r\n[Info]\r\nUserName=x\r\n"},
    {"new key behind the section's last key", "[Config]\r\nRemPwd=0\r\n\r\n[Info]\r\nA=1\r\n",
     "Config", "LastID", "000001",
     "[Config]\r\nRemPwd=0\r\nLastID=000001\r\n\r\n[Info]\r\nA=1\r\n"},
    {"new key in a section without keys", "[Config]\r\n[Info]\r\nA=1\r\n", "Config", "RemPwd", "1",
     "[Config]\r\nRemPwd=1\r\n[Info]\r\nA=1\r\n"},
    {"new section at the end", "[Config]\r\nRemPwd=0\r\n", "Info", "UserName", "张三",
     "[Config]\r\nRemPwd=0\r\n[Info]\r\nUserName=张三\r\n"},
    {"names matched without case", "[config]\r\nrempwd=0\r\n", "Config", "RemPwd", "1",
     "[config]\r\nRemPwd=1\r\n"},
    {"empty value keeps the key", "[Info]\r\nPassWord=secret\r\n", "Info", "PassWord", "",
     "[Info]\r\nPassWord=\r\n"},
    {"value that reading would change is quoted", "[Config]\r\n", "Config", "A", "  \"x\"  ",
     "[Config]\r\nA=\"  \"x\"  \"\r\n"},
    {"value with quotes inside written as given", "[Config]\r\n", "Config", "A", "a\"b\"",
     "[Config]\r\nA=a\"b\"\r\n"},
    {"comments and foreign lines kept",
     "; settings\r\n[Config]\r\n; remember\r\nRemPwd=0\r\njunk line\r\n", "Config", "RemPwd", "1",
     "; settings\r\n[Config]\r\n; remember\r\nRemPwd=1\r\njunk line\r\n"},
    {"order of sections and keys kept", "[Info]\r\nB=2\r\nA=1\r\n[Config]\r\nZ=9\r\n", "Info", "A",
     "5", "[Info]\r\nB=2\r\nA=5\r\n[Config]\r\nZ=9\r\n"},
    {"LF line ends become CR LF", "[Config]\nA=1\n[Info]\nB=2", "Config", "A", "0",
     "[Config]\r\nA=0\r\n[Info]\r\nB=2\r\n"},
    {"CR line ends become CR LF", "[Config]\rA=1\r", "Config", "A", "0", "[Config]\r\nA=0\r\n"},
    {"blank lines kept", "\r\n\r\n[Config]\r\n\r\nA=1\r\n\r\n", "Config", "A", "2",
     "\r\n\r\n[Config]\r\n\r\nA=2\r\n\r\n"},
    {"first of duplicate keys written", "[Config]\r\nA=1\r\nA=2\r\n", "Config", "A", "3",
     "[Config]\r\nA=3\r\nA=2\r\n"},
    {"first of duplicate sections written", "[Config]\r\nA=1\r\n[Config]\r\nB=2\r\n", "Config", "B",
     "3", "[Config]\r\nA=1\r\nB=3\r\n[Config]\r\nB=2\r\n"},
    {"keys before any section kept", "A=0\r\n[Config]\r\nB=1\r\n", "Config", "A", "1",
     "A=0\r\n[Config]\r\nB=1\r\nA=1\r\n"},
    {"Chinese names and value", "[信息]\r\n", "信息", "名称", "平安银行",
     "[信息]\r\n名称=平安银行\r\n"},
    {"requested names trimmed", "[Config]\r\nA=1\r\n", " Config ", " A ", "2",
     "[Config]\r\nA=2\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, ProfileWriteTest, ::testing::ValuesIn(kWriteCases));

TEST(ProfileWrite, KeepsTheByteOrderMark) {
    ProfileFolder folder;
    folder.Put("\xEF\xBB\xBF[Config]\r\nA=1\r\n");
    ASSERT_TRUE(platform::profile::Write(folder.file(), "config", "a", "2"));
    EXPECT_EQ(folder.Bytes(), QByteArray("\xEF\xBB\xBF[Config]\r\na=2\r\n"));
}

struct RoundTripCase {
    const char* what;
    QString written;
    QString read;
};

class ProfileRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProfileRoundTripTest, ReadsBackWhatWasWritten) {
    const RoundTripCase& c = GetParam();
    ProfileFolder folder;
    folder.PutText(QStringLiteral("[Config]\r\nRemPwd=1\r\n[Info]\r\nUserName=x\r\n"));
    ASSERT_TRUE(platform::profile::Write(folder.file(), "Info", "PassWord", c.written)) << c.what;
    EXPECT_EQ(platform::profile::Read(folder.file(), "Info", "PassWord"), c.read) << c.what;
    EXPECT_EQ(platform::profile::Read(folder.file(), "Config", "RemPwd"), QStringLiteral("1"));
    EXPECT_EQ(platform::profile::Read(folder.file(), "Info", "UserName"), QStringLiteral("x"));
}

const RoundTripCase kRoundTrips[] = {
    {"plain", QStringLiteral("abc123"), QStringLiteral("abc123")},
    {"empty", QString(), QString()},
    {"blanks around kept", QStringLiteral("  padded\t "), QStringLiteral("  padded\t ")},
    {"enclosing quotes kept", QStringLiteral("\"q\""), QStringLiteral("\"q\"")},
    {"blanks and quotes kept", QStringLiteral(" \"pw\" "), QStringLiteral(" \"pw\" ")},
    {"empty quotes kept", QStringLiteral("\"\""), QStringLiteral("\"\"")},
    {"a lone quote", QStringLiteral("\""), QStringLiteral("\"")},
    {"an opening quote", QStringLiteral("\"a"), QStringLiteral("\"a")},
    {"254 bytes of Chinese", QString(127, u'密'), QString(127, u'密')},
    {"quoted and cut", QStringLiteral(" ") + QString(300, u'p'),
     QStringLiteral(" ") + QString(253, u'p')},
    {"Chinese", QStringLiteral("平安银行"), QStringLiteral("平安银行")},
    {"characters GBK lacks", QStringLiteral("aäb"), QStringLiteral("a?b")},
    {"300 bytes", QString(300, u'p'), QString(254, u'p')},
    {"brackets and equals in a value", QStringLiteral("[x]=y"), QStringLiteral("[x]=y")},
    {"semicolon", QStringLiteral(";p"), QStringLiteral(";p")},
};

INSTANTIATE_TEST_SUITE_P(Table, ProfileRoundTripTest, ::testing::ValuesIn(kRoundTrips));

struct RefusedCase {
    const char* what;
    QString section;
    QString key;
    QString value;
};

class ProfileRefusedWriteTest : public ::testing::TestWithParam<RefusedCase> {};

// Each of these would add or break lines of the file, e.g. smuggle a
// password line in through a user name.
TEST_P(ProfileRefusedWriteTest, FailsAndLeavesTheFile) {
    const RefusedCase& c = GetParam();
    ProfileFolder folder;
    const QByteArray before("[Config]\r\nRemPwd=0\r\n");
    folder.Put(before);
    EXPECT_FALSE(platform::profile::Write(folder.file(), c.section, c.key, c.value)) << c.what;
    EXPECT_EQ(folder.Bytes(), before) << c.what;
}

const RefusedCase kRefused[] = {
    {"CR LF in a value", "Info", "UserName", QStringLiteral("a\r\nPassWord=x")},
    {"LF in a value", "Info", "UserName", QStringLiteral("a\nb")},
    {"CR in a value", "Info", "UserName", QStringLiteral("a\rb")},
    {"NUL in a value", "Info", "UserName", QString(QChar(u'\0'))},
    {"line end in a key", "Info", QStringLiteral("a\nb"), "x"},
    {"line end in a section", QStringLiteral("a\nb"), "k", "x"},
    {"closing bracket in a section", QStringLiteral("a]b"), "k", "x"},
    {"equals sign in a key", "Config", QStringLiteral("a=b"), "x"},
    {"key that looks like a section", "Config", QStringLiteral(" [x]"), "x"},
};

INSTANTIATE_TEST_SUITE_P(Table, ProfileRefusedWriteTest, ::testing::ValuesIn(kRefused));

// ---- Several keys in one write: all of them or none ----

// With a file mode other than 0, makes the folder unwritable and gives the
// file that mode while it lives. Permissions do not stop root, so root
// meanwhile reaches files as the user nobody on this thread (its file-system
// identity only).
class WriteProtection {
public:
    WriteProtection(const ProfileFolder& folder, mode_t fileMode)
        : folder_(folder), protecting_(fileMode != 0) {
        if (!protecting_) return;
        ::chmod(QFile::encodeName(folder_.folder()).constData(), 0555);
        ::chmod(QFile::encodeName(folder_.file()).constData(), fileMode);
        if (::geteuid() == 0) ::setfsuid(65534);
    }
    ~WriteProtection() {
        if (!protecting_) return;
        ::setfsuid(::geteuid());
        ::chmod(QFile::encodeName(folder_.folder()).constData(), 0700);
    }

private:
    const ProfileFolder& folder_;
    const bool protecting_;
};

struct WriteAllCase {
    const char* what;
    QList<platform::profile::Entry> entries;
    bool written;
    const char* after;
    mode_t fileMode = 0;  // with a folder that refuses new files; 0: all writable
};

class ProfileWriteAllTest : public ::testing::TestWithParam<WriteAllCase> {};

TEST_P(ProfileWriteAllTest, WritesAllOrNone) {
    const WriteAllCase& c = GetParam();
    ProfileFolder folder;
    folder.Put("[Config]\r\nRemPwd=0\r\n");
    const WriteProtection protection(folder, c.fileMode);
    EXPECT_EQ(platform::profile::WriteAll(folder.file(), c.entries), c.written) << c.what;
    EXPECT_EQ(folder.Bytes(), QByteArray(c.after)) << c.what;
}

const WriteAllCase kWriteAll[] = {
    {"all written",
     {{"Config", "RemPwd", "1"}, {"Info", "UserName", "alice"}, {"Config", "AutoLogin", "1"}},
     true,
     "[Config]\r\nRemPwd=1\r\nAutoLogin=1\r\n[Info]\r\nUserName=alice\r\n"},
    {"the same key twice: the last counts",
     {{"Config", "RemPwd", "1"}, {"config", "rempwd", " 2 "}},
     true,
     "[Config]\r\nrempwd=\" 2 \"\r\n"},
    {"a refused value stops every key",
     {{"Config", "RemPwd", "1"},
      {"Info", "UserName", QStringLiteral("line1\nline2")},
      {"Info", "PassWord", "secret"}},
     false,
     "[Config]\r\nRemPwd=0\r\n"},
    {"a refused name stops every key",
     {{"Config", "RemPwd", "1"}, {"Config", QStringLiteral("a=b"), "x"}},
     false,
     "[Config]\r\nRemPwd=0\r\n"},
    {"nothing to write", {}, true, "[Config]\r\nRemPwd=0\r\n"},
    {"file written in place, shorter",
     {{"Config", "RemPwd", ""}},
     true,
     "[Config]\r\nRemPwd=\r\n",
     0666},
    {"file not writable either",
     {{"Config", "RemPwd", "1"}},
     false,
     "[Config]\r\nRemPwd=0\r\n",
     0444},
};

INSTANTIATE_TEST_SUITE_P(Table, ProfileWriteAllTest, ::testing::ValuesIn(kWriteAll));

}  // namespace
