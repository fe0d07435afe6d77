#include "evaluation_pages.h"

#include <iterator>

#include "html_page.h"
#include "query_text.h"

namespace {

const SiteTab kTabs[] = {
    {0, u"个股透析", u"个股透析", "/new/ggpc/ggts/"},
    {1, u"主力", u"主力底牌", "/new/ggpc/zldp/"},
    {1, u"主力", u"主力持仓", "/new/ggpc/zlcc/"},
    {1, u"主力", u"主力成本", "/new/ggpc/zlcb/"},
    {1, u"主力", u"主力获利", "/new/ggpc/zlhl/"},
    {1, u"主力", u"主力试盘", "/new/ggpc/zlsp/"},
    {2, u"资金进出", u"个股资金", "/new/ggpc/sp/hszj.shtml?secucode="},
    {2, u"资金进出", u"TOPEYES-S", "/new/ggpc/topeyess/"},
    {2, u"资金进出", u"TOPEYES-H", "/new/ggpc/topeyesh/"},
    {3, u"基本", u"机构评级", "/new/ggpc/jgpc/"},
    {3, u"基本", u"机构持仓", "/new/ggpc/cypc/"},
    {3, u"基本", u"股东分析", "/new/ggpc/pmpc/"},
    {3, u"基本", u"大宗交易", "/new/ggpc/dzjy/"},
    {4, u"趋势", u"业绩趋势", "/new/ggpc/yjqs/"},
    {4, u"趋势", u"价值", "/new/ggpc/jzpc/"},
    {4, u"趋势", u"成长性", "/new/ggpc/czx/"},
    {4, u"趋势", u"盈利能力", "/new/ggpc/ylnl/"},
    {4, u"趋势", u"运营管理", "/new/ggpc/yygl/"},
    {4, u"趋势", u"公司规模", "/new/ggpc/gsgm/"},
    {5, u"淘股池", u"每日一股", "/new/tgc/mryg_new.shtml"},
    {5, u"淘股池", u"三重顶/底", "/new/ggpc/xt/scd.shtml"},
    {5, u"淘股池", u"趋势反转", "/new/ggpc/xt/fz.shtml"},
    {5, u"淘股池", u"三角形", "/new/ggpc/xt/sjx.shtml"},
    {5, u"淘股池", u"杯形", "/new/ggpc/xt/bx.shtml"},
    {5, u"淘股池", u"头肩形态", "/new/ggpc/xt/tjx.shtml"},
    {5, u"淘股池", u"矩形", "/new/ggpc/xt/jx.shtml"},
};

const std::string kSuffix = ".shtml";
const std::string kQueryMark = "?secucode=";

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The code in "<base><code>.shtml", if `text` has that form.
std::optional<std::string> codeAfter(const std::string& base, const std::string& text) {
    if (text.size() <= base.size() + kSuffix.size() || text.compare(0, base.size(), base) != 0 ||
        !endsWith(text, kSuffix))
        return std::nullopt;
    std::string code = text.substr(base.size(), text.size() - base.size() - kSuffix.size());
    if (code.find('/') != std::string::npos) return std::nullopt;
    return code;
}

std::optional<std::string> matchTab(const SiteTab& tab, const std::string& path,
                                    const std::string& query) {
    const std::string address = tab.path;
    if (tab.category == 5) return path == address ? std::optional<std::string>("") : std::nullopt;
    const std::size_t mark = address.find(kQueryMark);
    if (mark == std::string::npos) return codeAfter(address, path);
    if (path != address.substr(0, mark)) return std::nullopt;
    const QByteArray value = QueryValue(ParseQuery(query), "secucode");
    return codeAfter("", value.toStdString());
}

QString row(const char* id, const QString& label, const QString& value) {
    return QStringLiteral("<tr><th>%1</th><td id=\"%2\">%3</td></tr>\n")
        .arg(label, QLatin1String(id), value.toHtmlEscaped());
}

}  // namespace

std::optional<PageMatch> MatchPage(const std::string& path, const std::string& query) {
    for (const SiteTab& tab : kTabs) {
        if (const auto code = matchTab(tab, path, query))
            return PageMatch{&tab, QString::fromUtf8(*code)};
    }
    return std::nullopt;
}

std::string RenderPage(const PageMatch& match, const StockNames& names) {
    const QString category = QString::fromUtf16(match.tab->categoryCaption);
    const QString tab = QString::fromUtf16(match.tab->tabCaption);
    QString table =
        row("category", QStringLiteral("类别"), category) + row("tab", QStringLiteral("栏目"), tab);
    QString title = tab;
    if (match.tab->category != 5) {
        const QString name = NameOf(names, match.code);
        table += row("code", QStringLiteral("代码"), match.code) +
                 row("name", QStringLiteral("名称"), name);
        title = QStringLiteral("%1 - %2 %3").arg(tab, match.code, name);
    }
    const QString body =
        QStringLiteral("<h1>%1</h1>\n<table>\n%2</table>\n<p>本页为评测演示页面。</p>")
            .arg(title.toHtmlEscaped(), table);
    return HtmlPage(title, body);
}

void AddPageRoutes(httplib::Server& server, const StockNames& names) {
    server.Get(".*", [&names](const httplib::Request& req, httplib::Response& res) {
        const auto match = MatchPage(req.path, QueryOf(req.target));
        if (!match) {
            res.status = 404;
            return;
        }
        res.set_content(RenderPage(*match, names), kHtmlType);
    });
}
