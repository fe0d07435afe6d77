#include <QCoreApplication>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "app/mData/mData.h"
#include "frmmain_fixture.h"
#include "platform/basic/runtime_error.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/listview/list_view.h"
#include "support/make_database.h"
#include "support/row_print.h"
#include "support/write_lock.h"

namespace {

// Stocks in the order the table holds them, and decoys whose other fields
// begin with what a code, a pinyin or a name query looks for, so that a query
// on the wrong field lists them.
const char* const kStocks[] = {
    "('000001', 'PAYH', '平安银行')", "('000002', 'WKA', '万科Ａ')",
    "('600000', 'PFYH', '浦发银行')", "('600519', 'GZMT', '贵州茅台')",
    "('601318', 'ZGPA', '中国平安')", "('300750', 'NDSD', '宁德时代')",
    "('GZ9999', '60D', '60号')",      "('平安01', '平安PY', 'GZ名')",
    "('688001', NULL, '华兴')",       "('688002', '', NULL)",
};

QStringList stockTable(const QString& columns) {
    QStringList statements{QStringLiteral("create table pList (%1)").arg(columns)};
    for (const char* row : kStocks)
        statements.append(QStringLiteral("insert into pList values ") + QString::fromUtf8(row));
    return statements;
}

// The main window over a Data.dat of known stocks, opened as the program does.
class LookupTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        useTable(QStringLiteral("pNumber text, pPY text, pName text"));
    }

    void TearDown() override {
        MainWindowTest::TearDown();
        mData::Rs.reset();
        mData::Conn.reset();
    }

    void useTable(const QString& columns) {
        mData::Conn.reset();
        const QString path = dir.filePath(QStringLiteral("Data.dat"));
        QFile::remove(path);
        makeDatabase(path, stockTable(columns));
        useFile(path);
    }

    void useFile(const QString& path) {
        mData::Conn = std::make_unique<platform::data::Connection>();
        mData::Conn->ConnectionString = QStringLiteral("DBQ=") + path + QLatin1Char(';');
        mData::Conn->Open();
    }

    // The list's lines as "code|pinyin|name", once they have reached the view.
    QStringList lines() const {
        QAbstractItemModel* model = window->ListView1->model();
        QCoreApplication::sendPostedEvents(model, QEvent::MetaCall);
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row)
            shown.append(model->index(row, 0).data().toString() + '|' +
                         model->index(row, 1).data().toString() + '|' +
                         model->index(row, 2).data().toString());
        return shown;
    }

    QStringList codes() const {
        QStringList shown;
        for (const QString& line : lines()) shown.append(line.section(u'|', 0, 0));
        return shown;
    }

    void type(QKeyEvent&& event) { QCoreApplication::sendEvent(window->Text1, &event); }
    void typeKey(int key, const QString& text = {}) {
        type(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    }

    void select(int row) {
        lines();
        window->ListView1->selectionModel()->select(
            window->ListView1->model()->index(row, 0),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    // A lookup of "60", then a pick of 600519 from its lines.
    void pick600519() {
        window->Text1->setText(QStringLiteral("60"));
        ASSERT_EQ(codes(), QStringList({"600000", "600519", "601318"}));
        select(1);
        emit window->ListView1->DblClick();
    }
};

struct LookupRow {
    const char* name;
    const char* text;
    bool shown;
    const char* codes;  // the lines' codes, comma-separated
};

using support::PrintTo;

class LookupTextTest : public LookupTest, public ::testing::WithParamInterface<LookupRow> {};

TEST_P(LookupTextTest, TextChoosesTheFieldAndListsItsMatches) {
    const LookupRow row = GetParam();
    Frmmain& w = open();
    // Start from a shown list with lines, so that hiding and emptying show.
    w.Text1->setText(QStringLiteral("6"));
    ASSERT_FALSE(w.ListView1->isHidden());
    w.Text1->setText(QString::fromUtf8(row.text));
    EXPECT_EQ(!w.ListView1->isHidden(), row.shown);
    if (row.shown)
        EXPECT_EQ(codes().join(u','), QString::fromUtf8(row.codes));
    else
        EXPECT_TRUE(w.ListView1->isHidden());
    // Whatever the text was, nothing is reported and the window goes on
    // looking up.
    EXPECT_TRUE(boxes.isEmpty()) << qPrintable(boxes.join(u'\n'));
    w.Text1->setText(QStringLiteral("gz"));
    EXPECT_EQ(lines(), QStringList{"600519|GZMT|贵州茅台"});
}

INSTANTIATE_TEST_SUITE_P(Digits, LookupTextTest,
                         ::testing::Values(LookupRow{"One", "6", true,
                                                     "600000,600519,601318,688001,688002"},
                                           LookupRow{"Two", "60", true, "600000,600519,601318"},
                                           LookupRow{"Three", "601", true, "601318"},
                                           LookupRow{"FiveAndALetter", "60000a", true, ""},
                                           LookupRow{"DigitThenLetters", "6gz", true, ""},
                                           LookupRow{"DigitThenChinese", "0平安", true, ""},
                                           LookupRow{"NoMatch", "9", true, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Letters, LookupTextTest,
                         ::testing::Values(LookupRow{"Lower", "gz", true, "600519"},
                                           LookupRow{"Upper", "PF", true, "600000"},
                                           LookupRow{"One", "P", true, "000001,600000"},
                                           LookupRow{"BlankFirstIsNoDigit", " 6", true, ""},
                                           LookupRow{"SignFirstIsNoDigit", "-6", true, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Chinese, LookupTextTest,
                         ::testing::Values(LookupRow{"Start", "平安", true, "000001"},
                                           LookupRow{"Whole", "中国平安", true, "601318"},
                                           LookupRow{"NotAtTheStart", "银行", true, ""},
                                           LookupRow{"LetterThenChinese", "GZ名", true, "平安01"},
                                           LookupRow{"FullWidthLetter", "万科Ａ", true, "000002"}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Complete, LookupTextTest,
                         ::testing::Values(LookupRow{"SixDigits", "600519", false, ""},
                                           LookupRow{"BlankBefore", " 600519", false, ""},
                                           LookupRow{"BlankAfter", "600519 ", false, ""},
                                           LookupRow{"Exponent", "12e300", false, ""},
                                           LookupRow{"Overflow", "99e999", true, ""},
                                           LookupRow{"Empty", "", false, ""},
                                           LookupRow{"Blanks", "   ", false, ""},
                                           LookupRow{"SevenDigits", "6005190", true, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Patterns, LookupTextTest,
    ::testing::Values(LookupRow{"PercentInCode", "6%1", true, "600519,601318,688001"},
                      LookupRow{"PercentInPinyin", "%M", true, "600519"},
                      LookupRow{"Quote", "6'", true, ""},
                      LookupRow{"QuoteInPinyin", "gz' or '1'='1", true, ""},
                      LookupRow{"Semicolon", "6; delete from pList", true, ""},
                      LookupRow{"Comment", "6' --", true, ""},
                      LookupRow{"DropTable", "x'; drop table pList; --", true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LookupTest, LinesCarryPinyinAndNameInTableOrder) {
    open().Text1->setText(QStringLiteral("00"));
    EXPECT_EQ(lines(), QStringList({"000001|PAYH|平安银行", "000002|WKA|万科Ａ"}));
    EXPECT_EQ(window->CurItem, 2);
    EXPECT_EQ(mData::Rs->RecordCount(), 2);
}

// The shipped list holds 301 codes beginning with 6: all of them are listed.
TEST_F(LookupTest, ShippedListListsEveryMatch) {
    Frmmain& w = open();
    useFile(qEnvironmentVariable("MARLQUIN_BUILD_DIR") + QStringLiteral("/Data.dat"));
    w.Text1->setText(QStringLiteral("6"));
    EXPECT_EQ(codes().size(), 301);
}

TEST_F(LookupTest, RowsWithEmptyFieldsAreListedEmpty) {
    open().Text1->setText(QStringLiteral("688"));
    EXPECT_EQ(lines(), QStringList({"688001||华兴", "688002||"}));
}

const QString kWrongColumns =
    QStringLiteral("数据文件中的股票表缺少代码、拼音或名称字段,无法查询股票！|64|提示");

TEST_F(LookupTest, TableWithoutAFieldSaysSoAndTheWindowGoesOn) {
    Frmmain& w = open();
    useTable(QStringLiteral("pNumber text, pName text, other text"));
    w.Text1->setText(QStringLiteral("gz"));
    EXPECT_FALSE(w.ListView1->isHidden());
    EXPECT_TRUE(lines().isEmpty());
    // The code query runs, but its rows lack a field to list.
    w.Text1->setText(QStringLiteral("60"));
    EXPECT_TRUE(lines().isEmpty());
    // So does one that finds no row.
    w.Text1->setText(QStringLiteral("9"));
    EXPECT_EQ(boxes, QStringList({kWrongColumns, kWrongColumns, kWrongColumns}));
    useTable(QStringLiteral("pNumber text, pPY text, pName text"));
    w.Text1->setText(QStringLiteral("601"));
    EXPECT_EQ(codes(), QStringList{"601318"});
    EXPECT_EQ(boxes.size(), 3);
}

TEST_F(LookupTest, BusyFileSaysSoAndListsAgainOnceFree) {
    Frmmain& w = open();
    w.Text1->setText(QStringLiteral("60"));
    ASSERT_EQ(codes().size(), 3);
    {
        const WriteLock lock(dir.filePath(QStringLiteral("Data.dat")));
        ASSERT_TRUE(lock.held());
        QElapsedTimer wait;
        wait.start();
        w.Text1->setText(QStringLiteral("6"));
        EXPECT_LT(wait.elapsed(), 10000) << "the window waits only briefly for the file";
        EXPECT_FALSE(w.ListView1->isHidden());
        EXPECT_TRUE(lines().isEmpty());
        EXPECT_EQ(boxes, QStringList{"数据文件正被其他程序使用,请稍后再试！|64|提示"});
    }
    w.Text1->setText(QStringLiteral("60"));
    EXPECT_EQ(codes(), QStringList({"600000", "600519", "601318"}));
    EXPECT_EQ(boxes.size(), 1);
}

TEST_F(LookupTest, VanishedTableSaysTheQueryFailed) {
    Frmmain& w = open();
    makeDatabase(dir.filePath(QStringLiteral("Data.dat")),
                 {QStringLiteral("alter table pList rename to gone")});
    w.Text1->setText(QStringLiteral("60"));
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(boxes, QStringList{"查询股票时出错,请检查数据文件 Data.dat！|64|提示"});
}

TEST_F(LookupTest, NoConnectionListsNothing) {
    Frmmain& w = open();
    mData::Conn.reset();
    w.Text1->setText(QStringLiteral("60"));
    EXPECT_FALSE(w.ListView1->isHidden());
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(LookupTest, PickEvaluatesTheCodeAndHidesTheList) {
    Frmmain& w = open();
    pick600519();
    EXPECT_EQ(w.Text1->text(), QStringLiteral("600519"));
    EXPECT_TRUE(w.ListView1->isHidden());
    EXPECT_TRUE(w.PickedFromList);
    EXPECT_EQ(pane(w.Web2).navigations.last(), kPageHost + "/new/ggpc/ggts/600519.shtml");
    EXPECT_EQ(readConfig(QStringLiteral("LastID")), QStringLiteral("600519"));
    EXPECT_FALSE(w.PicLoad->isHidden());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(LookupTest, PickOfAnotherTextIsRefusedByTheEvaluation) {
    Frmmain& w = open();
    const qsizetype navigations = pane(w.Web2).navigations.size();
    w.Text1->setText(QStringLiteral("GZ名"));
    ASSERT_EQ(codes(), QStringList{"平安01"});
    select(0);
    emit w.ListView1->DblClick();
    EXPECT_EQ(w.Text1->text(), QStringLiteral("平安01"));
    EXPECT_EQ(boxes, QStringList{"您输入的可能是无效的股票代码,请重新输入！|64|提示"});
    EXPECT_TRUE(w.ListView1->isHidden());
    EXPECT_TRUE(w.PickedFromList);
    EXPECT_EQ(pane(w.Web2).navigations.size(), navigations);
    EXPECT_TRUE(readConfig(QStringLiteral("LastID")).isEmpty());
}

TEST_F(LookupTest, DoubleClickWithoutASelectedLineDoesNothing) {
    Frmmain& w = open();
    const qsizetype navigations = pane(w.Web2).navigations.size();
    w.Text1->setText(QStringLiteral("9"));  // shown, no line
    emit w.ListView1->DblClick();
    w.Text1->setText(QStringLiteral("60"));  // lines, none selected
    emit w.ListView1->DblClick();
    EXPECT_EQ(w.Text1->text(), QStringLiteral("60"));
    EXPECT_FALSE(w.ListView1->isHidden());
    EXPECT_FALSE(w.PickedFromList);
    EXPECT_EQ(pane(w.Web2).navigations.size(), navigations);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(LookupTest, TypingAfterAPickLooksUpAgain) {
    Frmmain& w = open();
    pick600519();
    w.Text1->setFocus();
    typeKey(Qt::Key_Backspace);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("60051"));
    EXPECT_FALSE(w.PickedFromList);
    EXPECT_FALSE(w.ListView1->isHidden());
    EXPECT_EQ(codes(), QStringList{"600519"});
}

TEST_F(LookupTest, DeletingAfterAPickShowsTheListEmpty) {
    Frmmain& w = open();
    pick600519();
    w.Text1->setCursorPosition(5);
    typeKey(Qt::Key_Delete);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("60051"));
    EXPECT_TRUE(w.PickedFromList);
    EXPECT_FALSE(w.ListView1->isHidden());
    EXPECT_TRUE(lines().isEmpty());
    // The next typed character clears the mark and looks up.
    typeKey(Qt::Key_9, QStringLiteral("9"));
    EXPECT_FALSE(w.PickedFromList);
    EXPECT_TRUE(w.ListView1->isHidden());  // 600519 again: complete
    typeKey(Qt::Key_Backspace);
    EXPECT_EQ(codes(), QStringList{"600519"});
}

// Text committed by an input method is typing too: it clears the pick mark.
TEST_F(LookupTest, InputMethodTextAfterAPickLooksUpAgain) {
    Frmmain& w = open();
    pick600519();
    w.Text1->setFocus();
    w.Text1->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("平安"));
    QCoreApplication::sendEvent(w.Text1, &commit);
    EXPECT_EQ(w.Text1->text(), QStringLiteral("平安"));
    EXPECT_FALSE(w.PickedFromList);
    EXPECT_FALSE(w.ListView1->isHidden());
    EXPECT_EQ(codes(), QStringList{"000001"});
}

struct CheckZRow {
    const char* text;
    bool singleByte;
};

void PrintTo(const CheckZRow& c, std::ostream* os) {
    *os << c.text;
}

class CheckZTest : public MainWindowTest, public ::testing::WithParamInterface<CheckZRow> {};

TEST_P(CheckZTest, TrueWithoutDoubleByteCharacters) {
    const CheckZRow row = GetParam();
    EXPECT_EQ(open().CheckZ(QString::fromUtf8(row.text)), row.singleByte) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CheckZTest,
                         ::testing::Values(CheckZRow{"", true}, CheckZRow{"gzmt", true},
                                           CheckZRow{"600519", true}, CheckZRow{"%'; --_", true},
                                           CheckZRow{"平安", false}, CheckZRow{"PAY行", false},
                                           CheckZRow{"ＰＡ", false}, CheckZRow{"a，b", false},
                                           CheckZRow{"é", false}, CheckZRow{" 6\t", true}));

}  // namespace
