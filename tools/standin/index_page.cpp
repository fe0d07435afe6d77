#include "index_page.h"

#include "html_page.h"

void AddIndexRoutes(httplib::Server& server, const QString& siteDomain) {
    const QString site = QStringLiteral("http://") + siteDomain.toHtmlEscaped();
    const QString body =
        QStringLiteral(
            "<h1>大盘指数</h1>\n"
            "<div id=\"YourId\">上证指数 3050.12 +0.85%　深证成指 9876.54 +1.02%</div>\n"
            "<ul>\n"
            "<li><a href=\"%1/new/ggpc/ggts/000001.shtml\">平安银行 个股透析</a></li>\n"
            "<li><a href=\"%1/new/ggpc/ggts/600519.shtml\">贵州茅台 个股透析</a></li>\n"
            "<li><a href=\"%1/new/tgc/mryg_new.shtml\">每日一股</a></li>\n"
            "</ul>\n"
            "<p><a href=\"http://quotes.elsewhere.example/\">其他行情网站</a></p>")
            .arg(site);
    const std::string page = HtmlPage(QStringLiteral("大盘指数"), body);
    server.Get("/zs/zs\\.asp", [page](const httplib::Request&, httplib::Response& res) {
        res.set_content(page, kHtmlType);
    });
}
