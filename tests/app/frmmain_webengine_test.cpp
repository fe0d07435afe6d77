#include <QApplication>
#include <QMenu>
#include <QWebEngineView>

#include "frmmain_fixture.h"
#include "platform/browser/register_browser.h"
#include "platform/browser/webengine_pane.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/page_server_fixture.h"
#include "platform/webengine_fixture.h"

namespace {

const QByteArray kIndexPage = R"(<html><body>
<div id="YourId">您的编号 12345</div>
<a id="site1" href="http://www.site.localhost/zs/more.asp">更多</a>
<p><a id="site2" href="http://site.localhost/">首页</a></p>
<a id="other" href="http://other.localhost/">友情链接</a>
</body></html>)";

// The main window with real WebEngine panes, its three servers' pages all
// answered by one local server under names below "localhost".
class MainWindowWebEngineTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::browser::RegisterWebBrowserKind();
        qputenv("MARLQUIN_PAGE_HOST", server.base("pages.site.localhost").toUtf8());
        qputenv("MARLQUIN_INDEX_HOST", server.base("index.site.localhost").toUtf8());
        qputenv("MARLQUIN_SITE_DOMAIN", "site.localhost");
        qputenv("MARLQUIN_MEMBER_URL", (server.base("member.localhost") + "/velmora/").toUtf8());
        server.page("/zs/zs.asp", kIndexPage);
        server.page("/new/ggpc/ggts/000001.shtml", "<html><body>000001 个股透析</body></html>");
        server.page("/velmora/Ads.html", "<html><body>广告</body></html>");
    }

    static QWebEnginePage* page(platform::browser::BrowserPane* pane) {
        return static_cast<platform::browser::WebEnginePane*>(pane)->view()->page();
    }

    PageServer server;
};

TEST_F(MainWindowWebEngineTest, StartPagesLoadAndTheOverlayGoes) {
    Frmmain& w = open();
    ASSERT_TRUE(WaitUntil([&] { return w.PicLoad->isHidden(); }));
    EXPECT_EQ(w.Web2->LocationURL(),
              server.base("pages.site.localhost") + "/new/ggpc/ggts/000001.shtml");
    ASSERT_TRUE(WaitUntil([&] {
        return w.Web1->Document() != nullptr && w.Web3->Document() != nullptr &&
               w.Web1->LocationURL().endsWith("/zs/zs.asp") &&
               w.Web3->LocationURL().endsWith("/velmora/Ads.html");
    }));
    EXPECT_EQ(Evaluate(page(w.Web3), "document.body.textContent.trim()").toString(),
              QStringLiteral("广告"));
}

TEST_F(MainWindowWebEngineTest, IndexPageInTheMainPaneLosesItsIdAndSiteLinks) {
    Frmmain& w = open();
    ASSERT_TRUE(WaitUntil([&] { return w.PicLoad->isHidden(); }));
    w.PicLoad->show();
    w.Web2->Navigate(server.base("index.site.localhost") + "/zs/zs.asp");
    ASSERT_TRUE(WaitUntil([&] { return w.PicLoad->isHidden(); }));
    EXPECT_EQ(Evaluate(page(w.Web2),
                       "['YourId', 'site1', 'site2', 'other'].map(function (id) { return "
                       "document.getElementById(id).innerHTML; }).join('|')")
                  .toString(),
              QStringLiteral("|||友情链接"));
}

TEST_F(MainWindowWebEngineTest, NoPaneOpensAContextMenu) {
    Frmmain& w = open();
    ASSERT_TRUE(WaitUntil([&] {
        return w.PicLoad->isHidden() && w.Web1->Document() != nullptr &&
               w.Web3->Document() != nullptr;
    }));
    for (auto* web : {w.Web1, w.Web2, w.Web3}) {
        EXPECT_TRUE(ContextMenuCancelled(page(web))) << web->objectName().toStdString();
        EXPECT_EQ(static_cast<platform::browser::WebEnginePane*>(web)->view()->contextMenuPolicy(),
                  Qt::NoContextMenu);
    }
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu*>(top) && top->isVisible());
}

}  // namespace
