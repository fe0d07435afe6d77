#pragma once

#include <QByteArray>
#include <QString>

namespace platform::net {

// A value for a URL query: its bytes in the ANSI code page (GBK),
// percent-encoded except for the unreserved characters, so that "&", "#",
// "+", "%", blanks and Chinese characters reach the server as typed.
QByteArray QueryValue(const QString& text);

}  // namespace platform::net
