#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEngineView>
#include <csignal>
#include <ostream>

#include "page_server_fixture.h"
#include "platform/browser/webengine_pane.h"
#include "platform/shell/open_url.h"
#include "webengine_fixture.h"

namespace {

using platform::browser::WebEnginePane;

const QByteArray kPage = R"(<html><head><title>t</title></head><body>
<div id="YourId">编号 42</div>
<a id="home" href="/index.html">首页</a>
<a href="http://other.localhost/">别处</a>
<p>正文</p>
</body></html>)";

class WebEnginePaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        pane.resize(400, 300);
        pane.show();
        QObject::connect(&pane, &WebEnginePane::DownloadComplete,
                         [this] { events.append("download"); });
        QObject::connect(&pane, &WebEnginePane::DocumentComplete,
                         [this](const QString& url) { events.append("complete " + url); });
        server.page("/page.html", kPage);
    }

    // Navigates and waits for the document-complete event.
    bool load(const QString& url) {
        events.clear();
        pane.Navigate(url);
        return WaitUntil([this] { return events.size() >= 2; });
    }

    QWebEnginePage* page() { return pane.view()->page(); }

    // Clicks into the page until the page has seen a press (the engine takes
    // input only once it has shown the page); window.presses counts them.
    bool clickInPage(Qt::MouseButton button) {
        QWidget* surface = pane.view()->focusProxy();
        const QPointF at(50, 50);
        return WaitUntil([&] {
            QMouseEvent press(QEvent::MouseButtonPress, at, surface->mapToGlobal(at), button,
                              button, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, at, surface->mapToGlobal(at), button,
                                Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(surface, &press);
            QCoreApplication::sendEvent(surface, &release);
            WaitUntil([] { return false; }, 200);
            return Evaluate(page(), "window.presses || 0").toInt() > 0;
        });
    }

    PageServer server;
    WebEnginePane pane;
    QStringList events;
};

TEST_F(WebEnginePaneTest, CompletePageIsReadAsADocument) {
    const QString url = server.base() + "/page.html";
    ASSERT_TRUE(load(url));
    EXPECT_EQ(events, (QStringList{"download", "complete " + url}));
    EXPECT_EQ(pane.LocationURL(), url);
    EXPECT_EQ(pane.ReadyState(), platform::browser::kComplete);
    auto* document = pane.Document();
    ASSERT_NE(document, nullptr);
    auto& all = document->all();
    QStringList tags;
    for (int i = 0; i < all.length(); ++i) tags.append(all.item(i)->tagName());
    EXPECT_EQ(tags, (QStringList{"HTML", "HEAD", "TITLE", "BODY", "DIV", "A", "A", "P"}));
    EXPECT_EQ(all.item(5)->href(), server.base() + "/index.html");
    EXPECT_EQ(all.item(4)->href(), QString());
    EXPECT_EQ(all.item(all.length()), nullptr);
    ASSERT_NE(document->body(), nullptr);
    EXPECT_EQ(document->body()->all().length(), 4);
    EXPECT_EQ(document->body()->all().item("YourId"), all.item(4));
    EXPECT_EQ(document->body()->all().item("nothing"), nullptr);
}

TEST_F(WebEnginePaneTest, ChangesAreInThePageWhenApplyCallsBack) {
    ASSERT_TRUE(load(server.base() + "/page.html"));
    auto* document = pane.Document();
    document->body()->all().item("YourId")->setInnerHTML(QString());
    document->all().item(5)->setInnerHTML(QStringLiteral("<b>新</b>"));
    bool done = false;
    document->apply([&] { done = true; });
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    const QString seen = Evaluate(page(),
                                  "document.getElementById('YourId').innerHTML + '|' + "
                                  "document.getElementById('home').innerHTML")
                             .toString();
    EXPECT_EQ(seen, QStringLiteral("|<b>新</b>"));
}

TEST_F(WebEnginePaneTest, ChangeOfAnElementThatLeftThePageIsSkipped) {
    ASSERT_TRUE(load(server.base() + "/page.html"));
    auto* document = pane.Document();
    Evaluate(page(), "document.getElementById('YourId').remove()");
    document->body()->all().item("YourId")->setInnerHTML(QString());
    document->all().item(5)->setInnerHTML(QString());
    bool done = false;
    document->apply([&] { done = true; });
    ASSERT_TRUE(WaitUntil([&] { return done; }));
    EXPECT_EQ(Evaluate(page(), "document.getElementById('home').innerHTML").toString(), QString());
}

TEST_F(WebEnginePaneTest, NewNavigationReplacesARunningOne) {
    server.page("/slow.html", "<html><body>slow</body></html>", 1500);
    server.page("/fast.html", "<html><body>fast</body></html>");
    pane.Navigate(server.base() + "/slow.html");
    ASSERT_TRUE(WaitUntil([this] { return server.requests.contains("/slow.html"); }));
    events.clear();
    pane.Navigate(server.base() + "/fast.html");
    ASSERT_TRUE(WaitUntil([this] { return events.size() >= 2; }));
    // Long enough for the slow page to have answered.
    WaitUntil([] { return false; }, 2500);
    EXPECT_EQ(events, (QStringList{"download", "complete " + server.base() + "/fast.html"}));
    EXPECT_EQ(pane.LocationURL(), server.base() + "/fast.html");
}

TEST_F(WebEnginePaneTest, SilentPaneAnswersEveryDialogWithNo) {
    server.page("/dialogs.html", R"(<html><body><p id="r"></p><script>
alert('a');
window.open('/page.html');
var results = [confirm('c'), prompt('p', 'x')];
document.getElementById('r').textContent = results.join(',');
</script></body></html>)");
    int dialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++dialogs;
            modal->close();
        }
    });
    closer.start(50);
    const qsizetype windows = QApplication::topLevelWidgets().size();
    pane.SetSilent(true);
    ASSERT_TRUE(load(server.base() + "/dialogs.html"));
    EXPECT_EQ(Evaluate(page(), "document.getElementById('r').textContent").toString(),
              QStringLiteral("false,"));
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_TRUE(pane.Silent());
}

// Every page counts its presses (window.presses) for clickInPage.
struct NewWindowCase {
    const char* name;
    const char* body;
    bool click;
    const char* opened;  // the path given to the user's browser; empty for none
};

void PrintTo(const NewWindowCase& c, std::ostream* out) {
    *out << c.name;
}

const NewWindowCase kNewWindows[] = {
    {"LinkWithATargetOfItsOwn",
     R"(<a target="_blank" href="/page.html" style="display: block; height: 300px">新窗口</a>)",
     true, "/page.html"},
    {"WindowOpenedByAClick",
     R"X(<div onclick="window.open('/page.html?c')" style="height: 300px">点击</div>)X", true,
     "/page.html?c"},
    {"PopUpThatNoClickStarted", "<script>window.open('/page.html?p');</script>", false, ""},
    {"WindowWithoutAnAddress", R"X(<div onclick="window.open()" style="height: 300px">空</div>)X",
     true, ""},
    {"AddressThatIsNoWebPage",
     R"(<a target="_blank" href="data:text/html,x" style="display: block; height: 300px">数据</a>)",
     true, ""},
};

class NewWindowTest : public WebEnginePaneTest,
                      public ::testing::WithParamInterface<NewWindowCase> {
protected:
    void SetUp() override {
        WebEnginePaneTest::SetUp();
        oldOpen_ = platform::shell::SetOpenUrlHandler([this](const QString& url) {
            opened.append(url);
            return true;
        });
    }
    void TearDown() override { platform::shell::SetOpenUrlHandler(oldOpen_); }

    QStringList opened;

private:
    platform::shell::OpenUrlHandler oldOpen_;
};

TEST_P(NewWindowTest, ClickedNewWindowsOpenInTheUsersBrowser) {
    const NewWindowCase& c = GetParam();
    server.page("/new.html", QByteArray(R"(<html><body style="margin: 0"><script>
window.presses = 0;
document.addEventListener('mousedown', function () { window.presses++; });
</script>)") + c.body + "</body></html>");
    const qsizetype windows = QApplication::topLevelWidgets().size();
    pane.SetSilent(true);
    ASSERT_TRUE(load(server.base() + "/new.html"));
    if (c.click) {
        ASSERT_TRUE(clickInPage(Qt::LeftButton));
    }
    const QStringList expected =
        *c.opened ? QStringList{server.base() + QString::fromUtf8(c.opened)} : QStringList{};
    if (!expected.isEmpty()) {
        ASSERT_TRUE(WaitUntil([&] { return !opened.isEmpty(); }));
    }
    WaitUntil([] { return false; }, 500);
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
    EXPECT_EQ(pane.LocationURL(), server.base() + "/new.html");
}

INSTANTIATE_TEST_SUITE_P(Requests, NewWindowTest, ::testing::ValuesIn(kNewWindows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WebEnginePaneTest, BoundHandlerCancelsThePagesContextMenu) {
    ASSERT_TRUE(load(server.base() + "/page.html"));
    EXPECT_FALSE(ContextMenuCancelled(page()));
    int asked = 0;
    pane.Document()->setContextMenuHandler([&] {
        ++asked;
        return false;
    });
    EXPECT_TRUE(ContextMenuCancelled(page()));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(pane.view()->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(WebEnginePaneTest, RightClickOpensNoMenu) {
    server.page("/menu.html", R"(<html><body style="height: 300px"><script>
window.presses = 0;
document.addEventListener('mousedown', function () { window.presses++; });
document.addEventListener('contextmenu', function (e) { window.menu = e.defaultPrevented; });
</script></body></html>)");
    ASSERT_TRUE(load(server.base() + "/menu.html"));
    pane.Document()->setContextMenuHandler([] { return false; });
    ASSERT_TRUE(clickInPage(Qt::RightButton));
    ASSERT_TRUE(WaitUntil([&] { return Evaluate(page(), "window.menu").isValid(); }));
    EXPECT_TRUE(Evaluate(page(), "window.menu").toBool());
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu*>(top) && top->isVisible());
}

TEST_F(WebEnginePaneTest, SilentPaneLeavesAPageThatAsksToStay) {
    server.page("/ask.html", R"(<html><body style="height: 300px"><script>
window.presses = 0;
document.addEventListener('mousedown', function () { window.presses++; });
window.addEventListener('beforeunload', function (e) { e.preventDefault(); e.returnValue = 'x'; });
</script></body></html>)");
    pane.SetSilent(true);
    ASSERT_TRUE(load(server.base() + "/ask.html"));
    // Only a page that the user has touched may ask.
    ASSERT_TRUE(clickInPage(Qt::LeftButton));
    ASSERT_TRUE(load(server.base() + "/page.html"));
    EXPECT_EQ(pane.LocationURL(), server.base() + "/page.html");
}

// Every kind of page completes; only an HTML page, also one served as XHTML,
// is a document.
TEST_F(WebEnginePaneTest, EveryPageCompletesAndOnlyHtmlIsADocument) {
    const struct {
        const char* type;
        const char* body;
        bool document;
    } kinds[] = {
        {"image/svg+xml", R"(<svg xmlns="http://www.w3.org/2000/svg"/>)", false},
        {"text/xml", "<quote><code>000001</code></quote>", false},
        {"application/xhtml+xml",
         R"(<html xmlns="http://www.w3.org/1999/xhtml"><body><p id="YourId"/></body></html>)",
         true},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.type);
        server.page(QStringLiteral("/") + kind.type, kind.body, 0, kind.type);
        ASSERT_TRUE(load(server.base() + "/" + kind.type));
        EXPECT_EQ(pane.ReadyState(), platform::browser::kComplete);
        auto* body = pane.Document() ? pane.Document()->body() : nullptr;
        EXPECT_EQ(body && body->all().item("YourId"), kind.document);
    }
}

TEST(WebEnginePane, PaneDestroyedWhileReadingItsPageRaisesNothing) {
    PageServer server;
    server.page("/page.html", kPage);
    for (int attempt = 0; attempt < 5; ++attempt) {
        auto* pane = new WebEnginePane;
        int events = 0;
        QObject::connect(pane, &WebEnginePane::DownloadComplete, [&] { ++events; });
        bool gone = false;
        // Destroyed right after the page has loaded, before its snapshot arrives.
        QObject::connect(pane->view()->page(), &QWebEnginePage::loadFinished, pane, [&, pane] {
            QTimer::singleShot(0, [&, pane] {
                delete pane;
                gone = true;
            });
        });
        pane->Navigate(server.base() + "/page.html");
        ASSERT_TRUE(WaitUntil([&] { return gone; }));
        EXPECT_EQ(events, 0);
    }
}

// Kills the pane's renderer process as the system would, once there is one
// other than `dead`; the pid killed, 0 when none came up.
qint64 killRenderer(QWebEnginePage* page, qint64 dead = 0) {
    qint64 pid = 0;
    WaitUntil([&] {
        pid = page->renderProcessPid();
        return pid != 0 && pid != dead;
    });
    if (pid == 0 || pid == dead) return 0;
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    return pid;
}

TEST_F(WebEnginePaneTest, EndedRendererReloadsThePageOncePerEndButNeverAtOnceTwice) {
    server.page("/slow.html", kPage, 2000);
    const QString url = server.base() + "/slow.html";
    auto served = [&](int times) {
        return WaitUntil([&] { return server.requests.count("/slow.html") == times; });
    };
    pane.Navigate(url);
    ASSERT_TRUE(served(1));
    const qint64 first = killRenderer(page());
    ASSERT_NE(first, 0);
    ASSERT_TRUE(served(2));
    // Ended again while its reload is still loading: the next reload waits.
    ASSERT_NE(killRenderer(page(), first), 0);
    QElapsedTimer sinceEnd;
    sinceEnd.start();
    ASSERT_TRUE(served(3));
    EXPECT_GE(sinceEnd.elapsed(), 900);  // a second, less the timer's leeway
    events.clear();
    ASSERT_TRUE(WaitUntil([&] { return events.size() >= 2; }));
    EXPECT_EQ(events, (QStringList{"download", "complete " + url}));
    EXPECT_NE(pane.Document(), nullptr);
    EXPECT_EQ(server.requests.count("/slow.html"), 3);
}

TEST_F(WebEnginePaneTest, FailedPageStillCompletes) {
    ASSERT_TRUE(load(server.base() + "/missing.html"));
    EXPECT_EQ(pane.ReadyState(), platform::browser::kComplete);
}

}  // namespace
