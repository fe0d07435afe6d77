#include <QApplication>
#include <QMenu>
#include <QWebEngineView>

#include "frmmain_fixture.h"
#include "platform/browser/register_browser.h"
#include "platform/browser/webengine_pane.h"
#include "platform/forms/controls/picture_box.h"
#include "platform/webengine_fixture.h"
#include "standin_fixture.h"

namespace {

// The main window with real WebEngine panes against the stand-in servers.
class MainWindowWebEngineTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        platform::browser::RegisterWebBrowserKind();
        ASSERT_TRUE(standin.Start()) << standin.Error().toStdString();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        standin.Stop();
    }

    static QWebEnginePage* page(platform::browser::BrowserPane* pane) {
        return static_cast<platform::browser::WebEnginePane*>(pane)->view()->page();
    }

    Standin standin;
};

TEST_F(MainWindowWebEngineTest, StartPagesLoadAndTheOverlayGoes) {
    Frmmain& w = open();
    ASSERT_TRUE(WaitUntil([&] { return w.PicLoad->isHidden(); }));
    EXPECT_EQ(w.Web2->LocationURL(), standin.PageHost() + "/new/ggpc/ggts/000001.shtml");
    ASSERT_TRUE(WaitUntil([&] {
        return w.Web1->Document() != nullptr && w.Web3->Document() != nullptr &&
               w.Web1->LocationURL() == standin.IndexHost() + "/zs/zs.asp" &&
               w.Web3->LocationURL() == standin.MemberUrl() + "Ads.html";
    }));
    EXPECT_GT(w.Web2->Document()->all().length(), 0);
}

// The frame Picture5 shows only part of Web3; the advertisement lies within it.
TEST_F(MainWindowWebEngineTest, AdvertisementLiesWithinItsFrame) {
    Frmmain& w = open();
    ASSERT_TRUE(WaitUntil([&] { return w.Web3->Document() != nullptr; }));
    const QRect shown = QRect(-w.Web3->pos(), w.Picture5->size()).intersected(w.Web3->rect());
    // The smallest rectangle around every element of the page.
    const QVariantList extent =
        Evaluate(page(w.Web3),
                 "var r = [1e9, 1e9, 0, 0]; for (var e of document.body.querySelectorAll('*')) {"
                 " var b = e.getBoundingClientRect(); r = [Math.min(r[0], b.left),"
                 " Math.min(r[1], b.top), Math.max(r[2], b.right), Math.max(r[3], b.bottom)]; } r")
            .toList();
    ASSERT_EQ(extent.size(), 4);
    EXPECT_TRUE(
        QRectF(shown).contains(QRectF(QPointF(extent[0].toDouble(), extent[1].toDouble()),
                                      QPointF(extent[2].toDouble(), extent[3].toDouble()))));
}

TEST_F(MainWindowWebEngineTest, IndexPageInTheMainPaneLosesItsIdAndSiteLinks) {
    Frmmain& w = open();
    ASSERT_TRUE(WaitUntil([&] { return w.PicLoad->isHidden(); }));
    const QString links =
        "Array.prototype.map.call(document.links, function (a) { return a.innerHTML; }).join('|')";
    w.PicLoad->show();
    w.Web2->Navigate(standin.IndexHost() + "/zs/zs.asp");
    ASSERT_TRUE(WaitUntil([&] { return w.PicLoad->isHidden(); }));
    EXPECT_EQ(Evaluate(page(w.Web2), "document.getElementById('YourId').innerHTML").toString(),
              QString());
    // The site's own links are empty, a link elsewhere keeps its text.
    EXPECT_EQ(Evaluate(page(w.Web2), links).toString(), QStringLiteral("|||其他行情网站"));
    // The index pane itself keeps them: only the main pane blanks.
    EXPECT_EQ(Evaluate(page(w.Web1), "document.getElementById('YourId').innerHTML === ''").toBool(),
              false);
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
