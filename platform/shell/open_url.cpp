#include "platform/shell/open_url.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform::shell {
namespace {

bool openWithDesktop(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

OpenUrlHandler& handler() {
    static OpenUrlHandler current = openWithDesktop;
    return current;
}

}  // namespace

bool OpenUrl(const QString& url) {
    return handler()(url);
}

OpenUrlHandler SetOpenUrlHandler(OpenUrlHandler replacement) {
    return std::exchange(handler(), replacement ? replacement : openWithDesktop);
}

}  // namespace platform::shell
