#pragma once

#include <QString>
#include <string>

// A whole UTF-8 page from its title (plain text) and its body (HTML).
std::string HtmlPage(const QString& title, const QString& body);

// The content type of the pages served.
extern const char* const kHtmlType;
