#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QMouseEvent>
#include <functional>
#include <ostream>

#include "app/Module/Globals.h"
#include "frmmain_fixture.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/tabstrip/tab_strip.h"
#include "support/row_print.h"

namespace {

void clickCategory(Frmmain& window, int category) {
    press(window.FlatCmd1[category]);
}

void clickTab(Frmmain& window, int category, int tab) {
    platform::tabstrip::TabStrip* strip = window.TabS1[category];
    const QPointF at = strip->TabRect(tab).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, strip->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(strip, &press);
}

// Completes the main pane's page, which hides the loading overlay.
void completePage(FakePane& pane) {
    pane.finish(kPageHost + "/done.shtml",
                std::make_unique<FakeDocument>(std::vector<FakeElementData>{}));
}

struct TabRow {
    int category;
    int tab;
    const char* caption;
    const char* path;
};

void PrintTo(const TabRow& c, std::ostream* os) {
    *os << c.category << " tab " << c.tab;
}

const TabRow kTabs[] = {
    {0, 0, " 个股透析 ", "/new/ggpc/ggts/"},
    {1, 0, " 主力底牌 ", "/new/ggpc/zldp/"},
    {1, 1, " 主力持仓 ", "/new/ggpc/zlcc/"},
    {1, 2, " 主力成本 ", "/new/ggpc/zlcb/"},
    {1, 3, " 主力获利 ", "/new/ggpc/zlhl/"},
    {1, 4, " 主力试盘 ", "/new/ggpc/zlsp/"},
    {2, 0, " 个股资金 ", "/new/ggpc/sp/hszj.shtml?secucode="},
    {2, 1, " TOPEYES-S ", "/new/ggpc/topeyess/"},
    {2, 2, " TOPEYES-H ", "/new/ggpc/topeyesh/"},
    {3, 0, " 机构评级 ", "/new/ggpc/jgpc/"},
    {3, 1, " 机构持仓 ", "/new/ggpc/cypc/"},
    {3, 2, " 股东分析 ", "/new/ggpc/pmpc/"},
    {3, 3, " 大宗交易 ", "/new/ggpc/dzjy/"},
    {4, 0, " 业绩趋势 ", "/new/ggpc/yjqs/"},
    {4, 1, " 价值 ", "/new/ggpc/jzpc/"},
    {4, 2, " 成长性 ", "/new/ggpc/czx/"},
    {4, 3, " 盈利能力 ", "/new/ggpc/ylnl/"},
    {4, 4, " 运营管理 ", "/new/ggpc/yygl/"},
    {4, 5, " 公司规模 ", "/new/ggpc/gsgm/"},
    {5, 0, " 每日一股 ", "/new/tgc/mryg_new.shtml"},
    {5, 1, " 三重顶/底 ", "/new/ggpc/xt/scd.shtml"},
    {5, 2, " 趋势反转 ", "/new/ggpc/xt/fz.shtml"},
    {5, 3, " 三角形 ", "/new/ggpc/xt/sjx.shtml"},
    {5, 4, " 杯形 ", "/new/ggpc/xt/bx.shtml"},
    {5, 5, " 头肩形态 ", "/new/ggpc/xt/tjx.shtml"},
    {5, 6, " 矩形 ", "/new/ggpc/xt/jx.shtml"},
};

QString pageOf(const TabRow& row, const QString& code) {
    const QString base = kPageHost + QString::fromUtf8(row.path);
    return row.category == 5 ? base : base + code + ".shtml";
}

class TabTableTest : public MainWindowTest, public ::testing::WithParamInterface<TabRow> {};

TEST_P(TabTableTest, TabLoadsItsPageForTheCodeAndIsRememberedByItsCategory) {
    const TabRow row = GetParam();
    CurrentUser = QStringLiteral("member");
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    w.Text1->setText(QStringLiteral("600000"));
    clickCategory(w, row.category);
    completePage(web2);
    ASSERT_TRUE(w.PicLoad->isHidden());

    EXPECT_EQ(w.TabS1[row.category]->TabCaption(row.tab), QString::fromUtf8(row.caption));
    clickTab(w, row.category, row.tab);
    EXPECT_EQ(web2.navigations.last(), pageOf(row, "600000"));
    EXPECT_EQ(w.BaseURL, kPageHost + QString::fromUtf8(row.path));
    EXPECT_FALSE(w.PicLoad->isHidden());
    EXPECT_EQ(w.Picture4->isHidden(), row.category != 0);

    // Another category and back: the tab's page again, for the code in the box now.
    clickCategory(w, (row.category + 1) % PageTable::kCategories);
    w.Text1->setText(QStringLiteral("000002"));
    clickCategory(w, row.category);
    EXPECT_EQ(web2.navigations.last(), pageOf(row, "000002"));
    EXPECT_EQ(w.CategoryURL[row.category], kPageHost + QString::fromUtf8(row.path));
}

INSTANTIATE_TEST_SUITE_P(EveryTab, TabTableTest, ::testing::ValuesIn(kTabs), [](const auto& info) {
    return "Category" + std::to_string(info.param.category) + "Tab" +
           std::to_string(info.param.tab);
});

TEST_F(MainWindowTest, TabStripsHaveTheTabsOfTheTable) {
    Frmmain& w = open();
    const int counts[] = {1, 5, 3, 4, 6, 7};
    for (int category = 0; category < PageTable::kCategories; ++category) {
        EXPECT_EQ(w.TabS1[category]->TabCount(), counts[category]) << category;
        EXPECT_EQ(w.TabS1[category]->isHidden(), category != 0) << category;
    }
}

TEST_F(MainWindowTest, CategoryShowsOnlyItsOwnStripAndButton) {
    CurrentUser = QStringLiteral("member");
    Frmmain& w = open();
    for (int selected = 0; selected < PageTable::kCategories; ++selected) {
        clickCategory(w, selected);
        for (int i = 0; i < PageTable::kCategories; ++i) {
            EXPECT_EQ(status(i), i == selected) << selected << " " << i;
            EXPECT_EQ(w.TabS1[i]->isHidden(), i != selected) << selected << " " << i;
        }
    }
}

TEST_F(MainWindowTest, TabOfCategoryFourSurvivesAVisitToCategoryZero) {
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    clickCategory(w, 4);
    clickTab(w, 4, 3);
    clickCategory(w, 0);
    EXPECT_EQ(web2.navigations.last(), kPageHost + "/new/ggpc/ggts/000001.shtml");
    clickCategory(w, 4);
    EXPECT_EQ(web2.navigations.last(), kPageHost + "/new/ggpc/ylnl/000001.shtml");
}

TEST_F(MainWindowTest, TabClickPutsTheBoxTextIntoTheAddressUntested) {
    Frmmain& w = open();
    w.Text1->setText(QStringLiteral("浦发"));
    clickTab(w, 0, 0);
    EXPECT_EQ(pane(w.Web2).navigations.last(), kPageHost + "/new/ggpc/ggts/浦发.shtml");
}

TEST_F(MainWindowTest, GuestAtFundFlowsGetsThePromptAndNothingElse) {
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    clickCategory(w, 1);
    completePage(web2);
    const QStringList before = web2.navigations;
    const QString base = w.BaseURL;

    clickCategory(w, 2);
    EXPECT_EQ(modals, QStringList{QStringLiteral("提示")});
    EXPECT_EQ(web2.navigations, before);
    EXPECT_EQ(w.BaseURL, base);
    EXPECT_TRUE(status(1));
    EXPECT_FALSE(status(2));
    EXPECT_FALSE(w.TabS1[1]->isHidden());
    EXPECT_TRUE(w.TabS1[2]->isHidden());
    EXPECT_TRUE(w.PicLoad->isHidden());
}

TEST_F(MainWindowTest, MemberAtFundFlowsGetsTheFundPageOfTheCode) {
    CurrentUser = QStringLiteral("zhang");
    Frmmain& w = open();
    clickCategory(w, 2);
    EXPECT_TRUE(modals.isEmpty());
    EXPECT_EQ(pane(w.Web2).navigations.last(),
              kPageHost + "/new/ggpc/sp/hszj.shtml?secucode=000001.shtml");
    EXPECT_TRUE(status(2));
    EXPECT_FALSE(w.TabS1[2]->isHidden());
    EXPECT_TRUE(w.Picture4->isHidden());
}

TEST_F(MainWindowTest, SelectedCategoryClickedAgainReloadsItsPage) {
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    clickCategory(w, 3);
    completePage(web2);
    const qsizetype count = web2.navigations.size();
    clickCategory(w, 3);
    EXPECT_EQ(web2.navigations.size(), count + 1);
    EXPECT_EQ(web2.navigations.last(), kPageHost + "/new/ggpc/jgpc/000001.shtml");
    EXPECT_FALSE(w.PicLoad->isHidden());
}

// A newer page asked for while the completed one is still taking its changes:
// the completed page's late answer leaves the newer page's overlay alone.
struct NewerPageRow {
    const char* name;
    std::function<void(Frmmain&)> ask;
};

void PrintTo(const NewerPageRow& row, std::ostream* out) {
    *out << row.name;
}

class NewerPageTest : public MainWindowTest, public ::testing::WithParamInterface<NewerPageRow> {};

TEST_P(NewerPageTest, KeepsItsOverlayUntilItIsComplete) {
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    auto slow = std::make_unique<FakeDocument>(std::vector<FakeElementData>{});
    slow->holdApply = true;
    FakeDocument* older = web2.finish(kPageHost + "/older.shtml", std::move(slow));
    GetParam().ask(w);
    older->releaseApply();
    EXPECT_FALSE(w.PicLoad->isHidden());
    completePage(web2);
    EXPECT_TRUE(w.PicLoad->isHidden());
}

INSTANTIATE_TEST_SUITE_P(
    Asks, NewerPageTest,
    ::testing::Values(NewerPageRow{"Category", [](Frmmain& w) { clickCategory(w, 3); }},
                      NewerPageRow{"Tab", [](Frmmain& w) { clickTab(w, 0, 0); }},
                      NewerPageRow{"Evaluate", [](Frmmain& w) { w.XPCommand1_Click(); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct EvaluateRow {
    const char* name;
    const char* text;
    bool accepted;
};

using support::PrintTo;

class EvaluateTest : public MainWindowTest, public ::testing::WithParamInterface<EvaluateRow> {};

TEST_P(EvaluateTest, SixCharacterNumbersAreEvaluatedUntrimmed) {
    const EvaluateRow row = GetParam();
    Frmmain& w = open();
    FakePane& web2 = pane(w.Web2);
    clickCategory(w, 1);
    completePage(web2);
    const QStringList before = web2.navigations;
    const QString text = QString::fromUtf8(row.text);
    w.Text1->setText(text);

    w.XPCommand1_Click();
    if (row.accepted) {
        EXPECT_TRUE(boxes.isEmpty());
        EXPECT_EQ(web2.navigations.last(), kPageHost + "/new/ggpc/zldp/" + text + ".shtml");
        // Remembered as typed, blanks included.
        EXPECT_EQ(readConfig("LastID"), text);
        EXPECT_FALSE(w.PicLoad->isHidden());
    } else {
        EXPECT_EQ(boxes,
                  QStringList{QStringLiteral("您输入的可能是无效的股票代码,请重新输入！|64|提示")});
        EXPECT_EQ(web2.navigations, before);
        EXPECT_EQ(readConfig("LastID"), QString());
        EXPECT_TRUE(w.PicLoad->isHidden());
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, EvaluateTest,
                         ::testing::Values(EvaluateRow{"SixDigits", "600000", true},
                                           EvaluateRow{"BlankThenSixDigits", " 600000", false},
                                           EvaluateRow{"BlankThenFiveDigits", " 60000", true},
                                           EvaluateRow{"FiveDigits", "60000", false},
                                           EvaluateRow{"Letter", "60000a", false},
                                           EvaluateRow{"Minus", "-12345", true},
                                           EvaluateRow{"Plus", "+12345", true},
                                           EvaluateRow{"Empty", "", false},
                                           EvaluateRow{"FullWidthDigits", "６０００００", false},
                                           EvaluateRow{"SevenDigits", "6000000", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, EvaluateInTheStockPoolShowsTheStockAnalysisOfTheCode) {
    Frmmain& w = open();
    clickCategory(w, 5);
    clickTab(w, 5, 2);
    w.Text1->setText(QStringLiteral("600000"));
    w.XPCommand1_Click();
    EXPECT_EQ(pane(w.Web2).navigations.last(), kPageHost + "/new/ggpc/ggts/600000.shtml");
    EXPECT_TRUE(status(0));
    EXPECT_FALSE(status(5));
    EXPECT_FALSE(w.TabS1[0]->isHidden());
    EXPECT_TRUE(w.TabS1[5]->isHidden());
    EXPECT_FALSE(w.Picture4->isHidden());
    // The stock pool still remembers its tab.
    clickCategory(w, 5);
    EXPECT_EQ(pane(w.Web2).navigations.last(), kPageHost + "/new/ggpc/xt/fz.shtml");
}

TEST_F(MainWindowTest, FailedLastIdWriteIsReportedAndThePageStillLoads) {
    Frmmain& w = open();
    ASSERT_TRUE(QDir(dir.path()).mkdir("Config.ini"));
    w.Text1->setText(QStringLiteral("600000"));
    w.XPCommand1_Click();
    EXPECT_EQ(boxes, QStringList{QStringLiteral("写入信息时出错,请确定您有足够的权限！|16|提示")});
    EXPECT_EQ(pane(w.Web2).navigations.last(), kPageHost + "/new/ggpc/ggts/600000.shtml");
}

}  // namespace
