#include "platform/shell/open_url.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform::shell {
namespace {

void openWithDesktop(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

OpenUrlHandler& handler() {
    static OpenUrlHandler current = openWithDesktop;
    return current;
}

}  // namespace

void OpenUrl(const QString& url) {
    handler()(url);
}

OpenUrlHandler SetOpenUrlHandler(OpenUrlHandler replacement) {
    return std::exchange(handler(), replacement ? replacement : openWithDesktop);
}

}  // namespace platform::shell
