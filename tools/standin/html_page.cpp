#include "html_page.h"

const char* const kHtmlType = "text/html; charset=utf-8";

std::string HtmlPage(const QString& title, const QString& body, const QString& style) {
    const QString page = QStringLiteral(
                             "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n"
                             "<meta charset=\"utf-8\">\n<title>%1</title>\n"
                             "<style>body{font-family:sans-serif;margin:12px;color:#333}"
                             "h1{font-size:18px;color:#1f5fa8}td,th{padding:2px 10px}%3"
                             "</style>\n</head>\n<body>\n%2\n</body>\n</html>\n")
                             .arg(title.toHtmlEscaped(), body, style);
    return page.toStdString();
}
