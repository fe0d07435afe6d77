#include "app/FrmLogin/MemberServer.h"

#include "platform/config/config_values.h"
#include "platform/net/query_value.h"

namespace MemberServer {

QUrl LoginUrl(const QString& userName, const QString& password) {
    const QByteArray url = platform::config::MemberUrl().toUtf8() +
                           "login.asp?u=" + platform::net::QueryValue(userName) +
                           "&p=" + platform::net::QueryValue(password);
    return QUrl::fromEncoded(url);
}

QString FindPwdUrl() {
    return platform::config::MemberUrl() + QStringLiteral("FindPwd.asp");
}

QString RegisterUrl() {
    return platform::config::MemberUrl() + QStringLiteral("Register.asp");
}

}  // namespace MemberServer
