#pragma once

#include <QString>

namespace platform::config {

// Addresses of the outside servers. Compiled-in defaults lie on reserved
// .example hosts; each is overridden by its environment variable.
QString MemberUrl();   // MARLQUIN_MEMBER_URL, ends in "/velmora/"
QString PageHost();    // MARLQUIN_PAGE_HOST, scheme and host, no trailing "/"
QString IndexHost();   // MARLQUIN_INDEX_HOST, scheme and host, no trailing "/"
QString SiteDomain();  // MARLQUIN_SITE_DOMAIN
QString HomePage();    // MARLQUIN_HOME_PAGE

}  // namespace platform::config
