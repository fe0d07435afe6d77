#include "platform/net/query_value.h"

#include "platform/basic/ansi.h"

namespace platform::net {

QByteArray QueryValue(const QString& text) {
    return basic::ToAnsi(text).toPercentEncoding();
}

}  // namespace platform::net
