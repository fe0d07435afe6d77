#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "platform/profile/profile_file.h"
#include "profile_fixture.h"

namespace {

using platform::profile::Read;
using platform::profile::Write;

mode_t modeOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

TEST(ProfileFile, MissingFileReadsEmptyAndStaysMissing) {
    ProfileFolder folder;
    EXPECT_EQ(Read(folder.file(), "Config", "RemPwd"), QString());
    EXPECT_FALSE(QFileInfo::exists(folder.file()));
    EXPECT_EQ(Read(QString(), "Config", "RemPwd"), QString());
}

TEST(ProfileFile, NewFileIsForItsOwnerOnly) {
    ProfileFolder folder;
    const mode_t old = ::umask(022);
    const bool written = Write(folder.file(), "Info", "PassWord", "secret");
    ::umask(old);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(folder.file()), mode_t(0600));
}

TEST(ProfileFile, ExistingFileKeepsItsPermissions) {
    ProfileFolder folder;
    folder.Put("[Config]\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(folder.file()).constData(), 0644), 0);
    ASSERT_TRUE(Write(folder.file(), "Config", "RemPwd", "1"));
    EXPECT_EQ(modeOf(folder.file()), mode_t(0644));
}

TEST(ProfileFile, DirectoryInPlaceOfTheFileFailsAndLosesNothing) {
    ProfileFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.file()));
    QFile inside(folder.file() + QStringLiteral("/keep.txt"));
    ASSERT_TRUE(inside.open(QIODevice::WriteOnly));
    inside.write("kept");
    inside.close();

    EXPECT_FALSE(Write(folder.file(), "Config", "RemPwd", "1"));
    EXPECT_EQ(Read(folder.file(), "Config", "RemPwd"), QString());
    EXPECT_TRUE(QFileInfo(folder.file()).isDir());
    ASSERT_TRUE(inside.open(QIODevice::ReadOnly));
    EXPECT_EQ(inside.readAll(), QByteArray("kept"));
    EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("Config.ini")});
}

TEST(ProfileFile, MissingFolderFails) {
    ProfileFolder folder;
    EXPECT_FALSE(Write(folder.folder() + QStringLiteral("/none/Config.ini"), "Config", "A", "1"));
    EXPECT_FALSE(Write(QString(), "Config", "A", "1"));
}

TEST(ProfileFile, DevicesAreNeitherReadNorWritten) {
    EXPECT_EQ(Read(QStringLiteral("/dev/zero"), "Config", "A"), QString());
    EXPECT_FALSE(Write(QStringLiteral("/dev/null"), "Config", "A", "1"));
}

TEST(ProfileFile, WriteLeavesNoTemporaryFileBehind) {
    ProfileFolder folder;
    for (const char* key : {"RemPwd", "AutoLogin", "LastID"})
        ASSERT_TRUE(Write(folder.file(), "Config", key, "1"));
    EXPECT_EQ(folder.Entries(), QStringList{QStringLiteral("Config.ini")});
}

TEST(ProfileFile, WritesThroughASymbolicLink) {
    ProfileFolder folder;
    const QString target = folder.folder() + QStringLiteral("/real.ini");
    QFile(target).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(target, folder.file()));
    ASSERT_TRUE(Write(folder.file(), "Config", "A", "1"));
    EXPECT_TRUE(QFileInfo(folder.file()).isSymLink());
    EXPECT_EQ(Read(target, "Config", "A"), QStringLiteral("1"));
}

TEST(ProfileFile, BinaryJunkReadsAndWritesWithoutHarm) {
    ProfileFolder folder;
    QRandomGenerator random(20100);
    QByteArray junk(64 * 1024, Qt::Uninitialized);
    for (char& byte : junk) byte = static_cast<char>(random.bounded(256));
    junk.replace('\r', '\x01').replace('\n', '\x02');
    folder.Put(junk);

    EXPECT_EQ(Read(folder.file(), "Config", "RemPwd"), QString());
    ASSERT_TRUE(Write(folder.file(), "Config", "RemPwd", "1"));
    EXPECT_EQ(Read(folder.file(), "Config", "RemPwd"), QStringLiteral("1"));
    EXPECT_TRUE(folder.Bytes().startsWith(junk)) << "the junk line is kept as it was";
}

TEST(ProfileFile, TenMegabytesReadAndWrite) {
    ProfileFolder folder;
    QByteArray big("[Other]\r\n");
    for (int i = 0; big.size() < 10 * 1024 * 1024; ++i)
        big += "Key" + QByteArray::number(i) + "=some stored value\r\n";
    big += "[Config]\r\nRemPwd=1\r\n";
    folder.Put(big);

    EXPECT_EQ(Read(folder.file(), "config", "rempwd"), QStringLiteral("1"));
    EXPECT_EQ(Read(folder.file(), "Other", "Key0"), QStringLiteral("some stored value"));
    ASSERT_TRUE(Write(folder.file(), "Config", "LastID", "600519"));
    EXPECT_EQ(folder.Bytes(), big + "LastID=600519\r\n");
}

}  // namespace
