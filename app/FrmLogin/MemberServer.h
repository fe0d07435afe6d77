#pragma once

#include <QString>
#include <QUrl>

// The pages of the vendor's member server, relative to its base URL.
namespace MemberServer {

// The login check: "login.asp?u=" + user name + "&p=" + password, both
// percent-encoded from GBK so that every character reaches the server as typed.
QUrl LoginUrl(const QString& userName, const QString& password);
QString FindPwdUrl();
QString RegisterUrl();

}  // namespace MemberServer
