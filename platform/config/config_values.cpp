#include "platform/config/config_values.h"

#include <QtGlobal>

namespace platform::config {
namespace {

QString valueOf(const char* variable, const char* fallback) {
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

}  // namespace

QString MemberUrl() {
    return valueOf("MARLQUIN_MEMBER_URL", "http://member.marlquin.example/velmora/");
}
QString PageHost() {
    return valueOf("MARLQUIN_PAGE_HOST", "http://page.evaluation.example");
}
QString IndexHost() {
    return valueOf("MARLQUIN_INDEX_HOST", "http://index.evaluation.example");
}
QString SiteDomain() {
    return valueOf("MARLQUIN_SITE_DOMAIN", "evaluation.example");
}
QString HomePage() {
    return valueOf("MARLQUIN_HOME_PAGE", "http://www.marlquin.example/");
}

}  // namespace platform::config
