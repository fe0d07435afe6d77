#include "member_server.h"

#include <QStringDecoder>

#include "html_page.h"
#include "query_text.h"

namespace {

// The client sends names and passwords in its ANSI code page, GBK.
QString fromGbk(const QByteArray& bytes) {
    QStringDecoder gbk("GBK");
    return gbk.decode(bytes);
}

void login(const httplib::Request& req, httplib::Response& res, const Accounts& accounts,
           StopFlag& stop) {
    const auto pairs = ParseQuery(QueryOf(req.target));
    const LoginAnswer answer =
        AnswerLogin(accounts, fromGbk(QueryValue(pairs, "u")), fromGbk(QueryValue(pairs, "p")));
    if (answer.delaySeconds > 0 && stop.WaitFor(std::chrono::seconds(answer.delaySeconds))) {
        res.status = 503;
        return;
    }
    res.set_content(answer.body.toStdString(), "text/plain; charset=gbk");
}

void servePage(httplib::Server& server, const char* path, const QString& title, const QString& body,
               const QString& style = {}) {
    const std::string page = HtmlPage(title, body, style);
    server.Get(path, [page](const httplib::Request&, httplib::Response& res) {
        res.set_content(page, kHtmlType);
    });
}

// The advertisement pane shows 169 x 353 pixels of its page, 2 pixels in
// from its corner (its frame crops the rest): the page is one panel there.
const QString kAdsStyle = QStringLiteral(
    "body{margin:0}"
    ".ad{box-sizing:border-box;width:169px;height:353px;margin:2px 0 0 2px;padding:10px;"
    "border:1px solid #9bb8d9;background:#f3f8fd;font-size:13px;line-height:1.6}"
    ".ad h1{margin:0 0 12px;text-align:center}"
    ".ad a{display:block;margin-top:20px;padding:6px 0;text-align:center;color:#fff;"
    "background:#1f5fa8;text-decoration:none}");
const QString kAdsBody = QStringLiteral(
    "<div class=\"ad\">\n<h1>Marlquin<br>会员专区</h1>\n<p>注册会员即可查看个股资金进出、"
    "TOPEYES 等专业数据。</p>\n<a href=\"Register.asp\">免费注册</a>\n</div>");

}  // namespace

void AddMemberRoutes(httplib::Server& server, const Accounts& accounts, StopFlag& stop) {
    server.Get("/velmora/login\\.asp",
               [&accounts, &stop](const httplib::Request& req, httplib::Response& res) {
                   login(req, res, accounts, stop);
               });
    servePage(server, "/velmora/FindPwd\\.asp", QStringLiteral("找回密码"),
              QStringLiteral(
                  "<h1>找回密码</h1>\n<p>请输入注册时填写的邮箱，我们将把新密码发送到该邮箱。</p>\n"
                  "<form><input name=\"email\" placeholder=\"注册邮箱\"> "
                  "<button type=\"button\">发送</button></form>"));
    servePage(server, "/velmora/Register\\.asp", QStringLiteral("免费注册会员"),
              QStringLiteral("<h1>免费注册会员</h1>\n<p>注册后请登陆注册邮箱激活帐户。</p>\n"
                             "<form><p>用户名：<input name=\"u\"></p><p>密码：<input name=\"p\" "
                             "type=\"password\"></p><p>邮箱：<input name=\"email\"></p>"
                             "<button type=\"button\">注册</button></form>"));
    servePage(server, "/velmora/Ads\\.html", QStringLiteral("会员专区"), kAdsBody, kAdsStyle);
    servePage(server, "/", QStringLiteral("Marlquin 官方网站"),
              QStringLiteral("<h1>Marlquin 股票评测</h1>\n<p>个股透析、主力、资金进出、基本、趋势、"
                             "淘股池，一站看清。</p>\n<p><a href=\"/velmora/Register.asp\">"
                             "免费注册会员</a></p>"));
}
