#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Module/Module.h"
#include "msgbox_recorder_fixture.h"
#include "platform/basic/app_folder.h"
#include "support/row_print.h"

namespace {

struct AppPathCase {
    const char* folder;
    const char* path;
};

void PrintTo(const AppPathCase& c, std::ostream* os) {
    *os << "folder " << c.folder;
}

class AppPathTest : public ::testing::TestWithParam<AppPathCase> {};

TEST_P(AppPathTest, EndsInExactlyOneSeparator) {
    EXPECT_EQ(Module::AppPathOf(GetParam().folder), QString(GetParam().path));
    platform::basic::SetApplicationFolder(GetParam().folder);
    EXPECT_EQ(Module::AppPath(), QString(GetParam().path));
    platform::basic::SetApplicationFolder(QString());
}

const AppPathCase kAppPaths[] = {
    {"/", "/"},
    {"/opt/x", "/opt/x/"},
    {"/opt/x/", "/opt/x/"},
    {"/opt/平安", "/opt/平安/"},
};

INSTANTIATE_TEST_SUITE_P(Table, AppPathTest, ::testing::ValuesIn(kAppPaths));

struct ContainsCase {
    const char* s;
    const char* sub;
    bool contains;
};

void PrintTo(const ContainsCase& c, std::ostream* os) {
    *os << "'" << c.s << "' holding '" << c.sub << "'";
}

class ContainsTest : public ::testing::TestWithParam<ContainsCase> {};

TEST_P(ContainsTest, IgnoresCase) {
    const ContainsCase& c = GetParam();
    EXPECT_EQ(Module::Contains(QString::fromUtf8(c.s), QString::fromUtf8(c.sub)), c.contains)
        << c.s << " / " << c.sub;
}

const ContainsCase kContains[] = {
    {"abc", "", true},
    {"", "", true},
    {"", "a", false},
    {"ABC", "bc", true},
    {"abc", "BC", true},
    {"abc", "abcd", false},
    {"abc", "ac", false},
    {"a", "A", true},
    {"http://www.Example.COM/zs/", "example.com", true},
    {"平安银行", "银行", true},
    {"平安银行", "银河", false},
    {"ＡＢＣ", "ｂｃ", true},
};

INSTANTIATE_TEST_SUITE_P(Table, ContainsTest, ::testing::ValuesIn(kContains));

struct FileExistsCase {
    const char* what;
    const char* name;  // inside a fresh folder; "" for the empty path
    bool exists;
};

using support::PrintTo;

class FileExistsTest : public ::testing::TestWithParam<FileExistsCase> {};

TEST_P(FileExistsTest, TrueOnlyForAFile) {
    QTemporaryDir dir;
    QFile empty(dir.filePath("empty.dat"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile full(dir.filePath("Data.dat"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    full.write("SQLite format 3");
    full.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));

    const QString name = QString::fromUtf8(GetParam().name);
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    EXPECT_EQ(Module::FileExists(path), GetParam().exists) << GetParam().what;
}

const FileExistsCase kFiles[] = {
    {"a file", "Data.dat", true},
    {"an empty file", "empty.dat", true},
    {"a missing file", "missing.dat", false},
    {"the empty path", "", false},
    {"a directory", "folder", false},
    {"below a file", "Data.dat/x", false},
};

INSTANTIATE_TEST_SUITE_P(Table, FileExistsTest, ::testing::ValuesIn(kFiles));

TEST(Ini, WriteThenReadThroughTheModule) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Config.ini");
    MsgBoxRecorder boxes;
    Module::WriteIni("Info", "UserName", QStringLiteral("张三"), file);
    Module::WriteIni("Config", "RemPwd", "1", file);
    EXPECT_EQ(Module::ReadIni("info", "username", file), QStringLiteral("张三"));
    EXPECT_EQ(Module::ReadIni("Config", "RemPwd", file), QStringLiteral("1"));
    EXPECT_EQ(Module::ReadIni("Config", "AutoLogin", file), QString());
    EXPECT_TRUE(boxes.boxes().empty());
}

class WriteIniFailureTest : public ::testing::TestWithParam<int> {};

// A directory where Config.ini should be makes every write fail, also for root.
TEST_P(WriteIniFailureTest, OneBoxPerFailedWrite) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Config.ini");
    ASSERT_TRUE(QDir().mkpath(file));
    MsgBoxRecorder boxes;
    const char* keys[] = {"RemPwd", "AutoLogin", "UserName", "PassWord"};
    for (int i = 0; i < GetParam(); ++i) Module::WriteIni("Config", keys[i], "1", file);

    ASSERT_EQ(boxes.boxes().size(), size_t(GetParam()));
    for (const MsgBoxRecorder::Box& box : boxes.boxes()) {
        EXPECT_EQ(box.prompt, QStringLiteral("写入信息时出错,请确定您有足够的权限！"));
        EXPECT_EQ(box.style, 16);
        EXPECT_EQ(box.title, QStringLiteral("提示"));
    }
    EXPECT_TRUE(QFileInfo(file).isDir());
}

INSTANTIATE_TEST_SUITE_P(Writes, WriteIniFailureTest, ::testing::Values(1, 4));

// Keys written together: one that cannot be stored keeps all of them out,
// and the failure is reported once per key.
TEST(Ini, KeysWrittenTogetherAllOrNone) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Config.ini");
    Module::WriteIni("Config", "RemPwd", "0", file);
    MsgBoxRecorder boxes;
    Module::WriteIniKeys({{"Config", "RemPwd", "1"},
                          {"Info", "UserName", "line1\nline2"},
                          {"Info", "PassWord", "secret"}},
                         file);
    EXPECT_EQ(Module::ReadIni("Config", "RemPwd", file), QStringLiteral("0"));
    EXPECT_EQ(Module::ReadIni("Info", "PassWord", file), QString());
    ASSERT_EQ(boxes.boxes().size(), 3u);
    for (const MsgBoxRecorder::Box& box : boxes.boxes()) {
        EXPECT_EQ(box.prompt, QStringLiteral("写入信息时出错,请确定您有足够的权限！"));
        EXPECT_EQ(box.style, 16);
    }
}

}  // namespace
