#pragma once

#include <httplib.h>

#include <QString>

// The index host's "/zs/zs.asp": an element "YourId" and links to pages of
// `siteDomain` ("http://" + domain + "/..."), plus one link off the site.
void AddIndexRoutes(httplib::Server& server, const QString& siteDomain);
