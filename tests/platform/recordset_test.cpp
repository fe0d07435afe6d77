#include <gtest/gtest.h>

#include <sqlite3.h>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "platform/basic/runtime_error.h"
#include "platform/data/connection.h"
#include "platform/data/data_errors.h"
#include "platform/data/recordset.h"
#include "support/row_print.h"
#include "support/write_lock.h"
#include "tests/platform/makedata_fixture.h"

namespace {

// Deliberately not in code order: rows must come back in the order the
// database finds them: stored order when it reads the table, the field's order
// when it finds a prefix through that field's index.
const QByteArray kStocks =
    "pNumber,pPY,pName\n"
    "600519,GZMT,贵州茅台\n"
    "000001,PAYH,平安银行\n"
    "601318,ZGPA,中国平安\n"
    "600000,PFYH,浦发银行\n"
    "001359,PADG,平安电工\n"
    "000002,WKA,万科A\n"
    "603439,GZSL,贵州三力\n"
    "300750,NDSD,宁德时代\n"
    "600903,GZRQ,贵州燃气\n";

class RecordsetOnDataFile : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        data = MakeDataFile(dir.path(), kStocks);
        ASSERT_FALSE(data.isEmpty());
        connection.ConnectionString =
            QStringLiteral("DRIVER=Microsoft Access Driver (*.mdb);DBQ=") + data + u';';
        connection.Open();
    }

    platform::data::Recordset open(const QString& sql, const QVariantList& parameters = {}) {
        platform::data::Recordset rs;
        rs.CursorType = 2;
        rs.LockType = 3;
        rs.Source = sql;
        rs.Parameters = parameters;
        rs.ActiveConnection = &connection;
        rs.Open();
        return rs;
    }

    QTemporaryDir dir;
    QString data;
    platform::data::Connection connection;
};

TEST_F(RecordsetOnDataFile, LikePrefixOnEachField) {
    const QString byCode = QStringLiteral("select  * from pList where pNumber like ?");
    const QString byPinyin = QStringLiteral("select  * from pList where pPY like ?");
    const QString byName = QStringLiteral("select  * from pList where pName like ?");
    const struct {
        QString sql;
        QString pattern;
        QStringList codes;
    } cases[] = {
        {byCode, "6%", {"600000", "600519", "600903", "601318", "603439"}},
        {byCode, "60%", {"600000", "600519", "600903", "601318", "603439"}},
        {byCode, "600%", {"600000", "600519", "600903"}},
        {byCode, "0000%", {"000001", "000002"}},
        {byCode, "600519%", {"600519"}},
        {byCode, "6005190%", {}},
        {byCode,
         "%",
         {"600519", "000001", "601318", "600000", "001359", "000002", "603439", "300750",
          "600903"}},
        {byPinyin, "GZ%", {"600519", "600903", "603439"}},
        {byPinyin, "gz%", {"600519", "600903", "603439"}},
        {byPinyin, "PA%", {"001359", "000001"}},
        {byPinyin, "WKA%", {"000002"}},
        {byPinyin, "X%", {}},
        {byName, "平安%", {"001359", "000001"}},
        {byName, "贵州%", {"603439", "600903", "600519"}},
        {byName, "贵州茅%", {"600519"}},
        {byName, "%平安%", {"000001", "601318", "001359"}},
        {byName, "万科A%", {"000002"}},
        {byName, "茅台%", {}},
        {byName, "'%", {}},
    };
    for (const auto& c : cases) {
        platform::data::Recordset rs = open(c.sql, {c.pattern});
        QStringList codes;
        for (; !rs.EOF_(); rs.MoveNext()) codes.append(rs.Field(QStringLiteral("pNumber")));
        EXPECT_EQ(codes, c.codes) << c.sql.toStdString() << " / " << c.pattern.toStdString();
    }
}

TEST_F(RecordsetOnDataFile, RowsComeInStoredOrderWithEveryField) {
    const QList<QStringList> rows = QueryRows(data, QStringLiteral("select  * from pList"));
    ASSERT_EQ(rows.size(), 9);
    EXPECT_EQ(rows[0], (QStringList{"600519", "GZMT", "贵州茅台"}));
    EXPECT_EQ(rows[5], (QStringList{"000002", "WKA", "万科A"}));
    EXPECT_EQ(rows[8], (QStringList{"600903", "GZRQ", "贵州燃气"}));
}

TEST_F(RecordsetOnDataFile, TypedQueryTextWorksWithoutParameters) {
    // The lookup's own SQL text, the typed text pasted into the pattern.
    platform::data::Recordset rs =
        open(QStringLiteral("select  * from pList where pName like '平安%'"));
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_EQ(rs.Field(QStringLiteral("pname")), QStringLiteral("平安电工"));
}

TEST_F(RecordsetOnDataFile, FieldNamesIgnoreCase) {
    platform::data::Recordset rs =
        open(QStringLiteral("select  * from pList where pNumber = ?"), {QStringLiteral("000002")});
    for (const char* name : {"pNumber", "PNUMBER", "pnumber"})
        EXPECT_EQ(rs.Field(QString::fromLatin1(name)), QStringLiteral("000002")) << name;
    EXPECT_EQ(rs.Field(QStringLiteral("PPY")), QStringLiteral("WKA"));
    EXPECT_EQ(rs.Field(QStringLiteral("PName")), QStringLiteral("万科A"));
}

TEST_F(RecordsetOnDataFile, QueryWithNoRowIsAtItsEndAtOnce) {
    platform::data::Recordset rs =
        open(QStringLiteral("select  * from pList where pPY like ?"), {QStringLiteral("ZZZ%")});
    EXPECT_TRUE(rs.EOF_());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_THROW(rs.Field(QStringLiteral("pNumber")), platform::basic::RuntimeError);
}

TEST_F(RecordsetOnDataFile, MovingPastTheLastRowReachesTheEnd) {
    platform::data::Recordset rs = open(QStringLiteral("select  * from pList where pNumber like ?"),
                                        {QStringLiteral("0000%")});
    ASSERT_FALSE(rs.EOF_());
    rs.MoveNext();
    ASSERT_FALSE(rs.EOF_());
    EXPECT_EQ(rs.Field(QStringLiteral("pNumber")), QStringLiteral("000002"));
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF_());
}

TEST_F(RecordsetOnDataFile, BoundQuoteIsData) {
    // A quote in a bound value cannot break the statement.
    for (const char* value : {"'", "' or '1'='1", "平安'%"}) {
        platform::data::Recordset rs = open(
            QStringLiteral("select  * from pList where pName like ?"), {QString::fromUtf8(value)});
        EXPECT_TRUE(rs.EOF_()) << value;
    }
}

TEST_F(RecordsetOnDataFile, MalformedQueryThrows) {
    for (const char* sql :
         {"select  * from pList where pName like '平安'%'", "select  * from nothing",
          "select  * from pList where pNumber like ?"}) {
        EXPECT_THROW(open(QString::fromUtf8(sql)), platform::basic::RuntimeError) << sql;
    }
}

struct FailureRow {
    const char* name;
    const char* sql;
    bool locked;  // another writer holds the file
    long number;
};

using support::PrintTo;

class RecordsetFailureTest : public RecordsetOnDataFile,
                             public ::testing::WithParamInterface<FailureRow> {};

TEST_P(RecordsetFailureTest, NumberTellsTheCause) {
    const FailureRow row = GetParam();
    std::optional<WriteLock> lock;
    if (row.locked) {
        ASSERT_TRUE(lock.emplace(data).held());
    }
    try {
        open(QString::fromUtf8(row.sql));
        FAIL() << "the query ran";
    } catch (const platform::basic::RuntimeError& error) {
        EXPECT_EQ(error.number(), row.number) << qPrintable(error.description());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, RecordsetFailureTest,
    ::testing::Values(FailureRow{"Busy", "select  * from pList where pPY like 'GZ%'", true,
                                 platform::data::kDatabaseBusy},
                      FailureRow{"FieldTheTableLacks", "select  * from pList where pCode like '6%'",
                                 false, platform::data::kFieldUnknown},
                      FailureRow{"BrokenQuote", "select  * from pList where pName like '平安'%'",
                                 false, platform::data::kQueryFailed},
                      FailureRow{"NoSuchTable", "select  * from nothing", false,
                                 platform::data::kQueryFailed}),
    [](const auto& info) { return std::string(info.param.name); });

// Values of every length side by side in one result, so that a value that
// took a neighbour's bytes, or lost its own, shows.
TEST(RecordsetValues, EveryValueKeepsItsOwnText) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("values.dat"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "create table pList (pNumber text, pPY text, pName text);"
                           "insert into pList values ('000001', NULL, '平安银行');"
                           "insert into pList values ('', '', '');"
                           "insert into pList values (NULL, 'X', NULL);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    QList<QStringList> expected = {{"000001", "", "平安银行"}, {"", "", ""}, {"", "X", ""}};
    for (int i = 0; i < 300; ++i) {
        const QStringList row = {QString::number(i), QString(i % 17, u'P'),
                                 QString(i % 5, QChar(0x4E00 + i))};
        const QByteArray sql = QStringLiteral("insert into pList values ('%1', '%2', '%3')")
                                   .arg(row[0], row[1], row[2])
                                   .toUtf8();
        ASSERT_EQ(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        expected.append(row);
    }
    sqlite3_close(db);
    platform::data::Connection connection;
    connection.ConnectionString = QStringLiteral("DBQ=") + path + u';';
    connection.Open();
    platform::data::Recordset rs;
    rs.Source = QStringLiteral("select  * from pList");
    rs.ActiveConnection = &connection;
    rs.Open();
    QList<QStringList> read;
    for (; !rs.EOF_(); rs.MoveNext())
        read.append({rs.Value(0).toString(), rs.Value(1).toString(), rs.Value(2).toString()});
    EXPECT_EQ(read, expected);
}

TEST(RecordsetWithoutConnection, OpenThrows) {
    platform::data::Recordset rs;
    rs.Source = QStringLiteral("select  * from pList");
    EXPECT_THROW(rs.Open(), platform::basic::RuntimeError);
}

// The Data.dat that the build puts beside the program.
TEST(BuiltDataFile, HoldsTheRealStockList) {
    const QString data = BuildDir() + QStringLiteral("/Data.dat");
    const QList<QStringList> rows = QueryRows(data, QStringLiteral("select  * from pList"));
    EXPECT_GE(rows.size(), 320);
    const QStringList known[] = {
        {"000001", "PAYH", "平安银行"}, {"000002", "WKA", "万科A"},
        {"600000", "PFYH", "浦发银行"}, {"600519", "GZMT", "贵州茅台"},
        {"300750", "NDSD", "宁德时代"}, {"601318", "ZGPA", "中国平安"},
    };
    for (const QStringList& stock : known)
        EXPECT_TRUE(rows.contains(stock)) << stock.join(' ').toStdString();
    const struct {
        QString sql;
        QString pattern;
        int atLeast;
    } spreads[] = {
        {"select  * from pList where pName like ?", "平安%", 2},
        {"select  * from pList where pName like ?", "贵州%", 3},
        {"select  * from pList where pNumber like ?", "60%", 100},
    };
    for (const auto& s : spreads)
        EXPECT_GE(QueryRows(data, s.sql, {s.pattern}).size(), s.atLeast) << s.pattern.toStdString();
    for (const char* prefix :
         {"600", "601", "603", "605", "688", "000", "001", "002", "003", "300", "301"})
        EXPECT_GE(QueryRows(data, QStringLiteral("select  * from pList where pNumber like ?"),
                            {QString::fromLatin1(prefix) + u'%'})
                      .size(),
                  3)
            << prefix;
}

}  // namespace
