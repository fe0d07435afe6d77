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

void servePage(httplib::Server& server, const char* path, const QString& title,
               const QString& body) {
    const std::string page = HtmlPage(title, body);
    server.Get(path, [page](const httplib::Request&, httplib::Response& res) {
        res.set_content(page, kHtmlType);
    });
}

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
    servePage(
        server, "/velmora/Ads\\.html", QStringLiteral("会员专区"),
        QStringLiteral("<h1>Marlquin 会员专区</h1>\n<p>注册会员即可查看个股资金进出、"
                       "TOPEYES 等专业数据。</p>\n<p><a href=\"Register.asp\">免费注册</a></p>"));
    servePage(server, "/", QStringLiteral("Marlquin 官方网站"),
              QStringLiteral("<h1>Marlquin 股票评测</h1>\n<p>个股透析、主力、资金进出、基本、趋势、"
                             "淘股池，一站看清。</p>\n<p><a href=\"/velmora/Register.asp\">"
                             "免费注册会员</a></p>"));
}
