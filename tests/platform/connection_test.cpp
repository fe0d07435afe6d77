#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "platform/basic/runtime_error.h"
#include "platform/data/connection.h"
#include "platform/data/data_errors.h"
#include "support/write_lock.h"
#include "tests/platform/makedata_fixture.h"

namespace {

TEST(ConnectionOpen, BusyFileSaysSoAfterAShortWait) {
    QTemporaryDir dir;
    const QString data = MakeDataFile(dir.path(), "pNumber,pPY,pName\n600519,GZMT,贵州茅台\n");
    ASSERT_FALSE(data.isEmpty());
    const WriteLock lock(data);
    ASSERT_TRUE(lock.held());
    platform::data::Connection connection;
    connection.ConnectionString = QStringLiteral("DBQ=") + data + u';';
    try {
        connection.Open();
        FAIL() << "a locked file opened";
    } catch (const platform::RuntimeError& error) {
        EXPECT_EQ(error.number(), platform::data::kDatabaseBusy);
        EXPECT_TRUE(error.description().contains(QStringLiteral("正被其他程序使用")))
            << qPrintable(error.description());
        EXPECT_TRUE(error.description().contains(data)) << qPrintable(error.description());
    }
}

}  // namespace
