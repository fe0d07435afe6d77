#pragma once

#include <httplib.h>

#include <QString>
#include <optional>
#include <string>

#include "stock_names.h"

// One sub-page of the evaluation site: a category, a tab of its strip, and
// the path on the page host. In categories 0 to 4 the path is a base that the
// code and ".shtml" follow; in category 5 it is the whole page.
struct SiteTab {
    int category;
    const char16_t* categoryCaption;
    const char16_t* tabCaption;
    const char* path;
};

struct PageMatch {
    const SiteTab* tab;
    QString code;  // empty for the whole pages of category 5
};

// The page that a request for `path` (decoded) with the raw `query` asks
// for, if it is an address of the site.
std::optional<PageMatch> MatchPage(const std::string& path, const std::string& query);

std::string RenderPage(const PageMatch& match, const StockNames& names);

void AddPageRoutes(httplib::Server& server, const StockNames& names);
