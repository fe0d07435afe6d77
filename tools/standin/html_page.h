#pragma once

#include <QString>
#include <string>

// A whole UTF-8 page from its title (plain text), its body (HTML) and style
// rules of its own after the common ones.
std::string HtmlPage(const QString& title, const QString& body, const QString& style = {});

// The content type of the pages served.
extern const char* const kHtmlType;
