#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QUrl>
#include <atomic>
#include <thread>
#include <vector>

#include "platform/basic/ansi.h"
#include "platform/config/config_values.h"
#include "tests/app/standin_fixture.h"

namespace {

class StandinServer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        standin = new Standin;
        ASSERT_TRUE(standin->Start()) << standin->Error().toStdString();
    }
    static void TearDownTestSuite() {
        delete standin;
        standin = nullptr;
    }
    void SetUp() override { standin->ClearRequests(); }

    static RawResponse login(const QByteArray& query) {
        return RawGet(standin->MemberPort(), "/velmora/login.asp?" + query);
    }
    static QByteArray loginQuery(const QString& user, const QString& password) {
        return "u=" + GbkPercent(user) + "&p=" + GbkPercent(password);
    }

    static Standin* standin;
};
Standin* StandinServer::standin = nullptr;

TEST_F(StandinServer, LoginAnswersFromTheAccounts) {
    const struct {
        const char* what;
        QByteArray query;
        QByteArray body;
    } cases[] = {
        {"active account", loginQuery("demo", "demo123"), "OK"},
        {"account not activated", loginQuery("newbie", "newbie123"), "Err2"},
        {"not activated, wrong password", loginQuery("newbie", "x"), "Err1"},
        {"wrong password", loginQuery("demo", "demo12"), "Err1"},
        {"password differs in case", loginQuery("demo", "DEMO123"), "Err1"},
        {"unknown user", loginQuery("nobody", "demo123"), "Err1"},
        {"Chinese user name in GBK", loginQuery("张三", "zhang123"), "OK"},
        {"Chinese password in GBK", loginQuery("李四", "密码四"), "OK"},
        {"Chinese user name in UTF-8 is not GBK",
         "u=" + QByteArray("张三").toPercentEncoding() + "&p=zhang123", "Err1"},
        {"& # and a blank escaped", loginQuery("amp", "a&b#c d"), "OK"},
        {"& unescaped splits the password", "u=amp&p=a&b%23c%20d", "Err1"},
        {"escaped plus", loginQuery("plus", "1+1"), "OK"},
        {"plain plus is a blank", "u=plus&p=1+1", "Err1"},
        {"answer with a line break", loginQuery("crlf", "crlf123"), "OK\r\n"},
        {"no query", "", "Err1"},
        {"no password key", "u=demo", "Err1"},
        {"empty values", "u=&p=", "Err1"},
        {"malformed escapes", "u=%zz&p=%4", "Err1"},
        {"a key repeated: the first counts", "u=demo&p=demo123&p=x", "OK"},
        {"keys in the other order", "p=demo123&u=demo", "OK"},
    };
    for (const auto& c : cases) {
        const RawResponse response = login(c.query);
        ASSERT_TRUE(response.ok) << c.what;
        EXPECT_EQ(response.status, 200) << c.what;
        EXPECT_EQ(response.body, c.body) << c.what;
    }
}

TEST_F(StandinServer, EvaluationPagesShowCategoryTabCodeAndName) {
    const struct {
        QByteArray target;
        int status;
        QStringList shown;
    } cases[] = {
        {"/new/ggpc/ggts/600519.shtml", 200, {"个股透析", "600519", "贵州茅台"}},
        {"/new/ggpc/zlcb/000002.shtml", 200, {"主力", "主力成本", "万科A"}},
        {"/new/ggpc/sp/hszj.shtml?secucode=000001.shtml",
         200,
         {"资金进出", "个股资金", "平安银行"}},
        {"/new/ggpc/topeyesh/300750.shtml", 200, {"TOPEYES-H", "宁德时代"}},
        {"/new/ggpc/dzjy/601318.shtml", 200, {"基本", "大宗交易", "中国平安"}},
        {"/new/ggpc/gsgm/999999.shtml", 200, {"趋势", "公司规模", "999999", "未知股票"}},
        {"/new/ggpc/ggts/" + QByteArray("平安").toPercentEncoding() + ".shtml",
         200,
         {"平安", "未知股票"}},
        {"/new/tgc/mryg_new.shtml", 200, {"淘股池", "每日一股"}},
        {"/new/ggpc/xt/scd.shtml", 200, {"三重顶/底"}},
        {"/new/ggpc/xt/jx.shtml", 200, {"矩形"}},
        {"/new/ggpc/zzzz/600000.shtml", 404, {}},
        {"/new/ggpc/ggts/.shtml", 404, {}},
        {"/new/ggpc/ggts/600000.html", 404, {}},
        {"/new/ggpc/ggts/a/600000.shtml", 404, {}},
        {"/new/ggpc/sp/hszj.shtml", 404, {}},
        {"/new/ggpc/sp/hszj.shtml?secucode=600000", 404, {}},
        {"/new/tgc/mryg_new.shtml/600000.shtml", 404, {}},
        {"/zs/zs.asp", 404, {}},
    };
    for (const auto& c : cases) {
        const RawResponse response = RawGet(standin->PagePort(), c.target);
        ASSERT_TRUE(response.ok) << c.target.constData();
        EXPECT_EQ(response.status, c.status) << c.target.constData();
        const QString body = QString::fromUtf8(response.body);
        for (const QString& text : c.shown)
            EXPECT_TRUE(body.contains(text))
                << c.target.constData() << " lacks " << text.toStdString();
    }
}

TEST_F(StandinServer, PageEscapesTheCodeItShows) {
    const RawResponse response = RawGet(standin->PagePort(), "/new/ggpc/ggts/%3Cb%3Ex%26.shtml");
    EXPECT_EQ(response.status, 200);
    EXPECT_TRUE(response.body.contains("&lt;b&gt;x&amp;"));
    EXPECT_FALSE(response.body.contains("<b>x"));
}

TEST_F(StandinServer, MemberPagesAreChineseHtml) {
    const struct {
        QByteArray target;
        int status;
        QString shown;
    } cases[] = {
        {"/velmora/FindPwd.asp", 200, "找回密码"}, {"/velmora/Register.asp", 200, "免费注册"},
        {"/velmora/Ads.html", 200, "会员"},        {"/", 200, "Marlquin"},
        {"/velmora/login.aspx", 404, ""},          {"/velmora/ads.html", 404, ""},
    };
    for (const auto& c : cases) {
        const RawResponse response = RawGet(standin->MemberPort(), c.target);
        EXPECT_EQ(response.status, c.status) << c.target.constData();
        if (c.status != 200) continue;
        EXPECT_TRUE(response.headers.contains("charset=utf-8")) << c.target.constData();
        EXPECT_TRUE(response.body.contains("<meta charset=\"utf-8\">")) << c.target.constData();
        EXPECT_TRUE(QString::fromUtf8(response.body).contains(c.shown)) << c.target.constData();
    }
}

// The links of zs.asp, as href -> content.
QList<QPair<QString, QString>> linksOf(const QString& page) {
    static const QRegularExpression link(QStringLiteral("<a href=\"([^\"]*)\">([^<]*)</a>"));
    QList<QPair<QString, QString>> links;
    for (auto it = link.globalMatch(page); it.hasNext();) {
        const auto match = it.next();
        links.append({match.captured(1), match.captured(2)});
    }
    return links;
}

TEST_F(StandinServer, IndexPageHasYourIdAndLinksToTheSite) {
    const RawResponse response = RawGet(standin->IndexPort(), "/zs/zs.asp");
    ASSERT_EQ(response.status, 200);
    const QString page = QString::fromUtf8(response.body);
    static const QRegularExpression yourId(QStringLiteral("<div id=\"YourId\">([^<]+)</div>"));
    EXPECT_TRUE(yourId.match(page).hasMatch());
    int onSite = 0;
    int elsewhere = 0;
    for (const auto& [href, text] : linksOf(page)) {
        EXPECT_FALSE(text.isEmpty()) << href.toStdString();
        const bool site = href.contains(standin->SiteDomain() + u'/');
        onSite += site;
        elsewhere += !site;
        // A site link must lead to a real page of the page host.
        if (site) {
            const QByteArray target = href.section(standin->SiteDomain(), 1).toUtf8();
            EXPECT_EQ(RawGet(standin->PagePort(), target).status, 200) << href.toStdString();
        }
    }
    EXPECT_GE(onSite, 2);
    EXPECT_EQ(elsewhere, 1);
}

TEST(StandinIndex, LinksFollowTheGivenSiteDomain) {
    Standin standin;
    ASSERT_TRUE(standin.Start(QString::fromUtf8(kStandinAccounts),
                              {QStringLiteral("--site-domain"), QStringLiteral("site.example")}));
    const QString page = QString::fromUtf8(RawGet(standin.IndexPort(), "/zs/zs.asp").body);
    int onSite = 0;
    for (const auto& link : linksOf(page)) onSite += link.first.startsWith("http://site.example/");
    EXPECT_GE(onSite, 2);
    EXPECT_FALSE(page.contains(standin.SiteDomain()));
}

TEST_F(StandinServer, LogsEveryRequestInOrderWithItsTime) {
    const qint64 before = QDateTime::currentMSecsSinceEpoch();
    const QByteArray chinese = loginQuery("张三", "zhang123");
    login(chinese);
    RawGet(standin->PagePort(), "/new/ggpc/ggts/600000.shtml");
    RawGet(standin->IndexPort(), "/nothing-here");
    RawRequest(standin->MemberPort(), "HEAD /velmora/Ads.html HTTP/1.0\r\n\r\n");
    const qint64 after = QDateTime::currentMSecsSinceEpoch();

    const QList<LoggedRequest> logged = standin->Requests();
    const struct {
        const char* method;
        QByteArray target;
    } expected[] = {
        {"GET", "/velmora/login.asp?" + chinese},
        {"GET", "/new/ggpc/ggts/600000.shtml"},
        {"GET", "/nothing-here"},
        {"HEAD", "/velmora/Ads.html"},
    };
    ASSERT_EQ(logged.size(), std::size(expected));
    for (qsizetype i = 0; i < logged.size(); ++i) {
        EXPECT_EQ(logged[i].method, QLatin1String(expected[i].method));
        EXPECT_EQ(logged[i].target, expected[i].target);
        EXPECT_GE(logged[i].epochMs, before);
        EXPECT_LE(logged[i].epochMs, after);
        if (i > 0) {
            EXPECT_GE(logged[i].epochMs, logged[i - 1].epochMs);
        }
    }
    EXPECT_EQ(logged[0].Path(), "/velmora/login.asp");
    EXPECT_EQ(logged[0].QueryValue("u"), "张三");
    EXPECT_EQ(logged[0].QueryValue("p"), "zhang123");
}

TEST_F(StandinServer, LogKeepsRawBytesPrintable) {
    // The original client sent names unescaped: raw GBK bytes in the target.
    const QByteArray raw =
        "/velmora/login.asp?u=" + platform::basic::ToAnsi("张三") + "&p=zhang123";
    EXPECT_EQ(login(raw.mid(raw.indexOf('?') + 1)).body, "OK");
    const QList<LoggedRequest> logged = standin->Requests();
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0].target, "/velmora/login.asp?" + loginQuery("张三", "zhang123"));
}

TEST_F(StandinServer, SurvivesMalformedAndHugeRequests) {
    const struct {
        const char* what;
        QByteArray request;
        int status;
    } cases[] = {
        {"huge query",
         "GET /velmora/login.asp?u=" + QByteArray(20000, 'a') + "&p=x HTTP/1.0\r\n\r\n", 414},
        {"no request line", "NONSENSE\r\n\r\n", 400},
        {"method alone", "GET\r\n\r\n", 400},
        {"NUL in the path", QByteArray("GET /\0x HTTP/1.0\r\n\r\n", 21), 400},
        {"broken escapes", "GET /velmora/login.asp?u=%%%%&p=%ZZ%0 HTTP/1.0\r\n\r\n", 200},
    };
    for (const auto& c : cases) {
        const RawResponse response = RawRequest(standin->MemberPort(), c.request);
        EXPECT_EQ(response.status, c.status) << c.what;
        EXPECT_EQ(login(loginQuery("demo", "demo123")).body, "OK") << "after " << c.what;
    }
    for (const LoggedRequest& request : standin->Requests()) EXPECT_FALSE(request.method.isEmpty());
}

TEST_F(StandinServer, AnswersConcurrentLoginsAndLogsWholeLines) {
    const struct {
        QByteArray query;
        QByteArray body;
    } mix[] = {{loginQuery("demo", "demo123"), "OK"},
               {loginQuery("newbie", "newbie123"), "Err2"},
               {loginQuery("张三", "zhang123"), "OK"},
               {loginQuery("demo", "bad"), "Err1"}};
    constexpr int kThreads = 8;
    constexpr int kEach = 25;
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                const auto& c = mix[(t + i) % std::size(mix)];
                if (login(c.query).body != c.body) ++wrong;
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
    const QList<LoggedRequest> logged = standin->Requests();
    EXPECT_EQ(logged.size(), kThreads * kEach);
    for (const LoggedRequest& request : logged) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_EQ(request.Path(), "/velmora/login.asp");
    }
}

TEST_F(StandinServer, DelayedAccountHoldsOnlyItsOwnAnswer) {
    RawResponse slow;
    std::thread waiting([&] { slow = login(loginQuery("slow", "slow123")); });
    // While the slow answer waits, other requests are answered.
    EXPECT_EQ(login(loginQuery("demo", "demo123")).body, "OK");
    EXPECT_FALSE(
        RawGet(standin->MemberPort(), "/velmora/login.asp?" + loginQuery("slow", "slow123"), 500)
            .ok);
    waiting.join();
    EXPECT_EQ(slow.body, "OK");
}

TEST(StandinEnvironment, PointsTheProgramAtTheServersAndRestoresIt) {
    qputenv("MARLQUIN_MEMBER_URL", "http://before.example/velmora/");
    qunsetenv("MARLQUIN_PAGE_HOST");
    {
        Standin standin;
        ASSERT_TRUE(standin.Start()) << standin.Error().toStdString();
        EXPECT_EQ(platform::config::MemberUrl(), standin.MemberUrl());
        EXPECT_TRUE(standin.MemberUrl().endsWith("/velmora/"));
        EXPECT_EQ(platform::config::PageHost(), standin.PageHost());
        EXPECT_EQ(platform::config::IndexHost(), standin.IndexHost());
        EXPECT_EQ(platform::config::SiteDomain(), standin.SiteDomain());
        EXPECT_FALSE(standin.PageHost().endsWith('/'));
        EXPECT_EQ(RawGet(QUrl(platform::config::HomePage()).port(), "/").status, 200);
    }
    EXPECT_EQ(qgetenv("MARLQUIN_MEMBER_URL"), "http://before.example/velmora/");
    EXPECT_FALSE(qEnvironmentVariableIsSet("MARLQUIN_PAGE_HOST"));
    qunsetenv("MARLQUIN_MEMBER_URL");
}

TEST(StandinStart, RefusesBadSetUpWithAClearMessage) {
    const QString good = QString::fromUtf8(kStandinAccounts);
    const struct {
        const char* what;
        QString accounts;
        QStringList arguments;
        QString message;
    } cases[] = {
        {"unknown state", "demo\tdemo123\tenabled\n", {}, "第 1 行：未知状态“enabled”"},
        {"spaces for tabs", "# c\ndemo demo123 active\n", {}, "第 2 行"},
        {"no user name", "\tpw\tactive\n", {}, "第 1 行"},
        {"user twice", "a\t1\tactive\na\t2\tinactive\n", {}, "第 2 行：用户名“a”重复"},
        {"bad delay", "a\t1\tdelay:soon\n", {}, "未知状态"},
        {"port out of range", good, {"--member-port", "70000"}, "端口“70000”无效"},
        {"unknown option", good, {"--colour"}, "未知选项"},
        {"no stock data", good, {"--data", "/nonexistent/Data.dat"}, "找不到股票数据"},
        {"log in a missing folder", good, {"--log", "/nonexistent/x.log"}, "无法打开请求日志"},
    };
    for (const auto& c : cases) {
        Standin standin;
        EXPECT_FALSE(standin.Start(c.accounts, c.arguments)) << c.what;
        EXPECT_TRUE(standin.Error().contains(c.message))
            << c.what << ": " << standin.Error().toStdString();
    }
}

TEST(StandinStart, RefusesAPortInUse) {
    Standin first;
    ASSERT_TRUE(first.Start());
    Standin second;
    EXPECT_FALSE(second.Start(QString::fromUtf8(kStandinAccounts),
                              {"--page-port", QString::number(first.PagePort())}));
    EXPECT_TRUE(second.Error().contains("端口可能已被占用")) << second.Error().toStdString();
    EXPECT_EQ(RawGet(first.PagePort(), "/new/ggpc/ggts/000001.shtml").status, 200);
}

}  // namespace
