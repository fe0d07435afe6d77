#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "platform/basic/runtime_error.h"
#include "platform/data/connection.h"
#include "platform/data/data_errors.h"
#include "support/row_print.h"
#include "support/write_lock.h"
#include "tests/platform/makedata_fixture.h"

namespace {

struct PathRow {
    const char* name;
    const char* connection;
    const char* path;
};

using support::PrintTo;

class DatabasePathTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(DatabasePathTest, NamesTheWholeFile) {
    EXPECT_EQ(platform::data::Connection::DatabasePath(QString::fromUtf8(GetParam().connection)),
              QString::fromUtf8(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Strings, DatabasePathTest,
    ::testing::Values(PathRow{"AsTheProgramBuildsIt",
                              "DRIVER=Microsoft Access Driver (*.mdb);DBQ=/opt/app/Data.dat;",
                              "/opt/app/Data.dat"},
                      PathRow{"SemicolonInAFolder",
                              "DRIVER=Microsoft Access Driver (*.mdb);DBQ=/opt/股票;工具/Data.dat;",
                              "/opt/股票;工具/Data.dat"},
                      PathRow{"SemicolonsSideBySide", "DBQ=/opt/a;;b;/Data.dat;",
                              "/opt/a;;b;/Data.dat"},
                      PathRow{"WindowsPath", "DBQ=C:\\a;b\\Data.dat;", "C:\\a;b\\Data.dat"},
                      PathRow{"NoClosingSemicolon", "DBQ=/opt/a;b/Data.dat", "/opt/a;b/Data.dat"},
                      PathRow{"AttributesAfterThePath", "DBQ=/opt/app/Data.dat;UID=admin;PWD=;",
                              "/opt/app/Data.dat"},
                      PathRow{"AttributeWithABlank", "DBQ=/opt/a;b/Data.dat;Exclusive Mode=1;",
                              "/opt/a;b/Data.dat"},
                      PathRow{"KeyInLowerCase", "dbq=/opt/app/Data.dat;", "/opt/app/Data.dat"},
                      PathRow{"NoDatabase", "DRIVER=Microsoft Access Driver (*.mdb);", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConnectionOpen, BusyFileSaysSoAfterAShortWait) {
    QTemporaryDir dir;
    const QString data = MakeDataFile(dir.path(), "pNumber,pPY,pName\n600519,GZMT,贵州茅台\n");
    ASSERT_FALSE(data.isEmpty());
    const WriteLock lock(data);
    ASSERT_TRUE(lock.held());
    platform::data::Connection connection;
    connection.ConnectionString = QStringLiteral("DBQ=") + data + u';';
    QElapsedTimer wait;
    wait.start();
    try {
        connection.Open();
        FAIL() << "a locked file opened";
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_LT(wait.elapsed(), 10000) << "the wait is bounded";
        EXPECT_EQ(error.number(), platform::data::kDatabaseBusy);
        EXPECT_TRUE(error.description().contains(QStringLiteral("正被其他程序使用")))
            << qPrintable(error.description());
        EXPECT_TRUE(error.description().contains(data)) << qPrintable(error.description());
    }
}

}  // namespace
