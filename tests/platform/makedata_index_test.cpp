#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "tests/platform/makedata_fixture.h"

namespace {

// The query plan SQLite makes for a statement with one bound value.
QString planOf(const QString& dataPath, const QString& sql, const QString& value) {
    const QString name = QStringLiteral("plan-") + dataPath;
    QString plan;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(dataPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("explain query plan ") + sql);
            query.addBindValue(value);
            if (query.exec())
                while (query.next()) plan += query.value(3).toString() + u'\n';
        }
    }
    QSqlDatabase::removeDatabase(name);
    return plan;
}

struct PlanRow {
    const char* field;
    const char* pattern;
    bool seeks;
};

void PrintTo(const PlanRow& c, std::ostream* os) {
    *os << c.field << " like " << c.pattern;
}

class MakedataIndexTest : public ::testing::TestWithParam<PlanRow> {};

TEST_P(MakedataIndexTest, StartOfAFieldIsFoundThroughItsIndex) {
    const PlanRow row = GetParam();
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("Data.dat"));
    ASSERT_EQ(RunMakedata({QStringLiteral("--synthetic"), QStringLiteral("300"), data}).exitCode,
              0);
    const QString plan =
        planOf(data, QStringLiteral("select  * from pList where %1 like ?").arg(row.field),
               QString::fromUtf8(row.pattern));
    ASSERT_FALSE(plan.isEmpty());
    const bool seeks = plan.contains(QStringLiteral("SEARCH pList USING")) &&
                       plan.contains(QStringLiteral("INDEX pList_%1 (").arg(row.field));
    EXPECT_EQ(seeks, row.seeks) << qPrintable(plan);
}

INSTANTIATE_TEST_SUITE_P(Patterns, MakedataIndexTest,
                         ::testing::Values(PlanRow{"pNumber", "6%", true},
                                           PlanRow{"pNumber", "600%", true},
                                           PlanRow{"pPY", "zg%", true},
                                           PlanRow{"pName", "中%", true},
                                           PlanRow{"pPY", "%M%", false}));

TEST(MakedataIndex, StockListGetsTheIndexesToo) {
    QTemporaryDir dir;
    const QString data =
        MakeDataFile(dir.path(), "pNumber,pPY,pName\n600519,GZMT,贵州茅台\n000001,PAYH,平安银行\n");
    ASSERT_FALSE(data.isEmpty());
    EXPECT_TRUE(
        planOf(data, QStringLiteral("select  * from pList where pPY like ?"), QStringLiteral("gz%"))
            .contains(QStringLiteral("SEARCH pList USING COVERING INDEX pList_pPY")));
    // The index changes how rows are found, not which.
    const QList<QStringList> expected{{"600519", "GZMT", "贵州茅台"}};
    EXPECT_EQ(QueryRows(data, QStringLiteral("select  * from pList where pPY like ?"), {"gz%"}),
              expected);
}

}  // namespace
