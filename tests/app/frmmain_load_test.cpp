#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTimer>

#include "app/FrmLogin/FrmLogin.h"
#include "frmmain_fixture.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/forms/controls/text_box.h"
#include "platform/listview/list_view.h"
#include "platform/tabstrip/tab_strip.h"
#include "support/row_print.h"
#include "tray_fixture.h"

namespace {

void clickLabel(QWidget* label) {
    const QPointF at = label->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(label, &press);
    QCoreApplication::sendEvent(label, &release);
}

struct LastIdRow {
    const char* name;
    const char* config;
    const char* shown;
};

using support::PrintTo;

class LastIdTest : public MainWindowTest, public ::testing::WithParamInterface<LastIdRow> {};

TEST_P(LastIdTest, OnlyASixCharacterNumberReachesTheCodeBox) {
    const LastIdRow row = GetParam();
    Frmmain& w = open(row.config);
    EXPECT_EQ(w.Text1->text(), QString::fromUtf8(row.shown));
    EXPECT_TRUE(w.ListView1->isHidden());
    // The main pane opens the page of 000001 whatever the box holds.
    EXPECT_EQ(pane(w.Web2).navigations.last(), kPageHost + "/new/ggpc/ggts/000001.shtml");
    // A value that is not taken is neither corrected nor rewritten.
    QFile file(dir.filePath("Config.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(row.config));
}

INSTANTIATE_TEST_SUITE_P(
    Values, LastIdTest,
    ::testing::Values(LastIdRow{"SixDigits", "[Config]\r\nLastID=600000\r\n", "600000"},
                      LastIdRow{"FiveDigits", "[Config]\r\nLastID=60000\r\n", "000001"},
                      LastIdRow{"Letter", "[Config]\r\nLastID=60000a\r\n", "000001"},
                      LastIdRow{"Signed", "[Config]\r\nLastID=-12345\r\n", "-12345"},
                      LastIdRow{"SevenDigits", "[Config]\r\nLastID=6000000\r\n", "000001"},
                      LastIdRow{"OtherSection", "[Other]\r\nLastID=600000\r\n", "000001"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, MissingConfigKeepsTheDesignedCode) {
    EXPECT_EQ(open().Text1->text(), QStringLiteral("000001"));
}

TEST_F(MainWindowTest, LoadOpensTheThreePanesSilentlyAfterABlankPage) {
    Frmmain& w = open();
    EXPECT_EQ(pane(w.Web1).navigations, (QStringList{"about:blank", kIndexHost + "/zs/zs.asp"}));
    EXPECT_EQ(pane(w.Web2).navigations,
              (QStringList{"about:blank", kPageHost + "/new/ggpc/ggts/000001.shtml"}));
    EXPECT_EQ(pane(w.Web3).navigations, (QStringList{"about:blank", kMemberUrl + "Ads.html"}));
    for (auto* web : {w.Web1, w.Web2, w.Web3}) EXPECT_TRUE(web->Silent());
}

TEST_F(MainWindowTest, LoadStartsInCategoryZeroUnderTheOverlay) {
    Frmmain& w = open();
    for (int i = 0; i < PageTable::kCategories; ++i)
        EXPECT_EQ(w.CategoryURL[i], PageTable::Address(i, 0)) << i;
    EXPECT_EQ(w.BaseURL, kPageHost + "/new/ggpc/ggts/");
    EXPECT_FALSE(w.PicLoad->isHidden());
    EXPECT_FALSE(w.Picture4->isHidden());
    EXPECT_TRUE(status(0));
    for (int i = 1; i < PageTable::kCategories; ++i) EXPECT_FALSE(status(i)) << i;
}

TEST_F(MainWindowTest, MatchListHasItsThreeColumns) {
    Frmmain& w = open();
    QAbstractItemModel* lines = w.ListView1->model();
    ASSERT_EQ(lines->columnCount(), 3);
    const QString captions[] = {"代码", "拼音", "名称"};
    // 3615 twips wide: a quarter, 0.28 and 0.33 of it, in whole pixels.
    const int widths[] = {60, 67, 80};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(lines->headerData(column, Qt::Horizontal).toString(), captions[column]);
        EXPECT_EQ(w.ListView1->columnWidth(column), widths[column]);
    }
    EXPECT_EQ(w.ListView1->Height(), 1695);
}

TEST_F(MainWindowTest, WindowIsTheDesignedFrame) {
    Frmmain& w = open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Marlquin2011"));
    EXPECT_EQ(w.size(), QSize(799, 462));
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    // The index pane's frame lies below the visible area.
    EXPECT_GE(w.Picture1->geometry().top(), w.height());
    EXPECT_EQ(w.Web2->parentWidget(), w.Picture2);
    EXPECT_EQ(w.PicLoad->parentWidget(), w.Picture2);
    EXPECT_EQ(w.Web3->parentWidget(), w.Picture5);
    EXPECT_EQ(w.Web1->parentWidget(), w.Picture1);
}

TEST_F(MainWindowTest, HomePageLinkOpensTheHomePage) {
    Frmmain& w = open();
    clickLabel(w.Label2);
    EXPECT_EQ(opened, QStringList{kHomePage});
}

TEST_F(MainWindowTest, LogOutShowsTheLoginWindowWithoutAutomaticLogin) {
    Frmmain& w = open("[Config]\r\nAutoLogin=1\r\n");
    clickLabel(w.Label7);
    EXPECT_TRUE(w.IsUnloaded());
    ASSERT_EQ(platform::forms::Count(), 1);
    auto* login = qobject_cast<FrmLogin*>(platform::forms::Loaded().first());
    ASSERT_NE(login, nullptr);
    EXPECT_TRUE(login->isVisible());
    EXPECT_FALSE(login->Timer1->isActive());
}

TEST_F(MainWindowTest, MinimiseHidesTheWindowOnlyWithATrayHostAndKeepsItLoaded) {
    Frmmain& w = open();
    for (const bool host : {true, false}) {
        RecordingTray tray;
        tray.hostPresent = host;
        platform::shell::TrayShell* before = platform::shell::SetTrayShell(&tray);
        press(w.Command1);
        platform::shell::SetTrayShell(before);
        EXPECT_EQ(w.isHidden(), host) << "tray host: " << host;
        EXPECT_TRUE(w.windowState() & Qt::WindowMinimized);
        EXPECT_FALSE(w.IsUnloaded());
        w.showNormal();
    }
}

TEST_F(MainWindowTest, CloseUnloadsEveryForm) {
    Frmmain& w = open();
    platform::forms::Default<FrmLogin>().Show();
    press(w.Command3);
    EXPECT_EQ(platform::forms::Count(), 0);
}

TEST_F(MainWindowTest, TheButtonWithoutActionDoesNothing) {
    Frmmain& w = open();
    press(w.Command2);
    EXPECT_FALSE(w.isHidden());
    EXPECT_EQ(platform::forms::Count(), 1);
    EXPECT_TRUE(opened.isEmpty());
}

}  // namespace
