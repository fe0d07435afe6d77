#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include "app/Module/Module.h"
#include "app/mData/mData.h"
#include "msgbox_recorder_fixture.h"
#include "platform/basic/app_folder.h"
#include "platform/basic/runtime_error.h"
#include "platform/forms/form.h"
#include "platform/forms/forms_collection.h"
#include "support/make_database.h"
#include "support/write_lock.h"

namespace {

const QStringList kStockTable = {
    QStringLiteral("create table pList (pNumber text, pPY text, pName text)"),
    QStringLiteral("insert into pList values ('000001', 'PAYH', '平安银行')"),
    QStringLiteral("insert into pList values ('600519', 'GZMT', '贵州茅台')"),
};

// Main in an application folder of its own, with boxes recorded and the end
// of the program observed instead of quitting.
class MainTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::basic::SetApplicationFolder(folder_.path());
        previousQuit_ = platform::forms::SetQuitHandler([this] { ++quits_; });
        platform::basic::Err().Clear();
    }

    void TearDown() override {
        Module::UnloadAllForms();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        mData::CloseConnection();
        platform::forms::SetQuitHandler(previousQuit_);
        platform::basic::SetApplicationFolder(QString());
    }

    QString dataFile() const { return folder_.filePath(QStringLiteral("Data.dat")); }

    void putDataFile(const QByteArray& bytes) const {
        QFile file(dataFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder_;
    MsgBoxRecorder boxes_;
    platform::forms::QuitHandler previousQuit_;
    int quits_ = 0;
};

class MainFailureTest : public MainTest, public ::testing::WithParamInterface<const char*> {
protected:
    void prepare(const std::string& what) {
        if (what == "missing") return;
        if (what == "text junk") return putDataFile("this is no database\r\n\x01\x02\xff");
        if (what == "empty file") return putDataFile(QByteArray());
        if (what == "directory") {
            ASSERT_TRUE(QDir().mkpath(dataFile()));
            return;
        }
        if (what == "no stock table")
            return makeDatabase(dataFile(), {QStringLiteral("create table other (x text)")});
        FAIL() << "unknown case " << what;
    }
};

TEST_P(MainFailureTest, OneCriticalBoxAndNoWindow) {
    prepare(GetParam());
    mData::Main();

    ASSERT_EQ(boxes_.boxes().size(), 1u) << GetParam();
    const MsgBoxRecorder::Box& box = boxes_.boxes().front();
    EXPECT_EQ(box.style, 16);
    EXPECT_EQ(box.title, QStringLiteral("VB 运行时错误"));
    const QStringList lines = box.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << qPrintable(box.prompt);
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^发生错误 #-?[0-9]+$")).match(lines[0]).hasMatch())
        << qPrintable(lines[0]);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("错误源： "))) << qPrintable(lines[1]);
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Description: "))) << qPrintable(lines[3]);
    EXPECT_GT(lines[3].size(), QStringLiteral("Description: ").size());

    EXPECT_EQ(platform::forms::Count(), 0);
    EXPECT_EQ(platform::basic::Err().Number, 0) << "the error is cleared";
}

INSTANTIATE_TEST_SUITE_P(Table, MainFailureTest,
                         ::testing::Values("missing", "text junk", "empty file", "directory",
                                           "no stock table"));

TEST_F(MainTest, ValidDatabaseOpensTheLoginWindow) {
    makeDatabase(dataFile(), kStockTable);
    mData::Main();

    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_EQ(mData::ConnStr, QStringLiteral("DRIVER=Microsoft Access Driver (*.mdb);DBQ=") +
                                  folder_.path() + QStringLiteral("/Data.dat;"));
    ASSERT_EQ(platform::forms::Count(), 1);
    EXPECT_EQ(platform::forms::Loaded().front()->windowTitle(),
              QStringLiteral("Marlquin-会员登录"));
    ASSERT_TRUE(mData::Conn);
    EXPECT_EQ(mData::Conn->CursorLocation, 3);
    EXPECT_EQ(mData::Conn->CommandTimeout, 30);
    EXPECT_TRUE(mData::Conn->IsOpen());
    ASSERT_TRUE(mData::Rs);

    Module::UnloadAllForms();
    EXPECT_EQ(platform::forms::Count(), 0);
    EXPECT_EQ(quits_, 1);
}

class CloseConnectionTest : public MainTest, public ::testing::WithParamInterface<bool> {};

// The program closes the connection at its end, before Qt SQL's own globals go.
TEST_P(CloseConnectionTest, LeavesNoConnectionBehind) {
    makeDatabase(dataFile(), GetParam() ? kStockTable : QStringList{"create table other (x text)"});
    mData::Main();
    ASSERT_NE(mData::Conn, nullptr);
    ASSERT_NE(QSqlDatabase::connectionNames().filter(QStringLiteral("marlquin-")), QStringList());

    mData::CloseConnection();

    EXPECT_EQ(mData::Conn, nullptr);
    EXPECT_EQ(mData::Rs, nullptr);
    EXPECT_EQ(QSqlDatabase::connectionNames().filter(QStringLiteral("marlquin-")), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Start, CloseConnectionTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Opened" : "Failed"; });

class FolderNameTest : public MainTest, public ::testing::WithParamInterface<const char*> {};

// Folder names that read as more attributes of the connection string.
TEST_P(FolderNameTest, FolderWithSemicolonsOpensItsOwnDataFile) {
    const QString folder = folder_.filePath(QString::fromUtf8(GetParam()));
    ASSERT_TRUE(QDir().mkpath(folder));
    platform::basic::SetApplicationFolder(folder);
    makeDatabase(folder + QStringLiteral("/Data.dat"), kStockTable);
    mData::Main();

    EXPECT_TRUE(boxes_.boxes().empty());
    EXPECT_TRUE(
        mData::ConnStr.endsWith(QStringLiteral("DBQ=") + folder + QStringLiteral("/Data.dat;")));
    ASSERT_EQ(platform::forms::Count(), 1);
    ASSERT_TRUE(mData::Conn && mData::Conn->IsOpen());
    auto rs = mData::OpenRecordset(*mData::Conn, QStringLiteral("select  * from pList"));
    EXPECT_EQ(rs->RecordCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Folders, FolderNameTest,
                         ::testing::Values("股票;工具;v2", "a;x=1", "dir;DBQ=b"));

TEST_F(MainTest, BusyDataFileIsReportedAsBusy) {
    makeDatabase(dataFile(), kStockTable);
    const WriteLock lock(dataFile());
    ASSERT_TRUE(lock.held());
    mData::Main();

    ASSERT_EQ(boxes_.boxes().size(), 1u);
    const QString prompt = boxes_.boxes().front().prompt;
    EXPECT_EQ(boxes_.boxes().front().title, QStringLiteral("VB 运行时错误"));
    EXPECT_TRUE(prompt.contains(QStringLiteral("正被其他程序使用,请稍后再试")))
        << qPrintable(prompt);
    EXPECT_FALSE(prompt.contains(QStringLiteral("不可识别的数据库格式"))) << qPrintable(prompt);
    EXPECT_EQ(platform::forms::Count(), 0);
}

struct QueryCase {
    const char* sql;
    QVariantList parameters;
    QStringList codes;  // pNumber of every row, in order
};

void PrintTo(const QueryCase& c, std::ostream* os) {
    *os << c.sql;
}

class OpenRecordsetTest : public MainTest, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(OpenRecordsetTest, RowsInQueryOrder) {
    makeDatabase(dataFile(), kStockTable);
    mData::Main();
    ASSERT_TRUE(mData::Conn && mData::Conn->IsOpen());

    auto rs = mData::OpenRecordset(*mData::Conn, QString::fromUtf8(GetParam().sql),
                                   GetParam().parameters);
    QStringList codes;
    for (; !rs->EOF_(); rs->MoveNext()) codes.append(rs->Field(QStringLiteral("pNumber")));
    EXPECT_EQ(codes, GetParam().codes) << GetParam().sql;
}

const QueryCase kQueries[] = {
    {"select * from pList where pNumber like ?", {QStringLiteral("999%")}, {}},
    {"select * from pList where pName like ?", {QStringLiteral("平安%")}, {"000001"}},
    {"select * from pList order by pNumber desc", {}, {"600519", "000001"}},
};

INSTANTIATE_TEST_SUITE_P(Table, OpenRecordsetTest, ::testing::ValuesIn(kQueries));

struct ErrorInfoCase {
    long number;
    const char* source;
    const char* description;
    const char* text;  // nullptr: no box
};

void PrintTo(const ErrorInfoCase& c, std::ostream* os) {
    *os << "number " << c.number;
}

class ShowErrorInfoTest : public ::testing::TestWithParam<ErrorInfoCase> {};

TEST_P(ShowErrorInfoTest, ReportsThePendingError) {
    const ErrorInfoCase& c = GetParam();
    MsgBoxRecorder boxes;
    platform::basic::Err().Clear();
    if (c.number != 0)
        platform::basic::Err().Raise(platform::basic::RuntimeError(
            c.number, QString::fromUtf8(c.source), QString::fromUtf8(c.description)));
    mData::ShowErrorInfo();

    if (c.text == nullptr) {
        EXPECT_TRUE(boxes.boxes().empty());
        return;
    }
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().front().prompt, QString::fromUtf8(c.text));
    EXPECT_EQ(boxes.boxes().front().style, 16);
    EXPECT_EQ(boxes.boxes().front().title, QStringLiteral("VB 运行时错误"));
    EXPECT_EQ(platform::basic::Err().Number, 0);
    EXPECT_TRUE(platform::basic::Err().Description.isEmpty());
}

const ErrorInfoCase kErrors[] = {
    {0, "", "", nullptr},
    {-2147467259, "Microsoft OLE DB Provider for ODBC Drivers", "找不到数据库",
     "发生错误 #-2147467259\r\n错误源： Microsoft OLE DB Provider for ODBC Drivers\r\n\r\n"
     "Description: 找不到数据库"},
    {-5, "src", "desc", "发生错误 #-5\r\n错误源： src\r\n\r\nDescription: desc"},
    {3709, "ADODB.Recordset", "",
     "发生错误 #3709\r\n错误源： ADODB.Recordset\r\n\r\nDescription: "},
};

INSTANTIATE_TEST_SUITE_P(Table, ShowErrorInfoTest, ::testing::ValuesIn(kErrors));

}  // namespace
