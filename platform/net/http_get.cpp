#include "platform/net/http_get.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

#include "platform/basic/ansi.h"

namespace platform::net {
namespace {

constexpr int kDefaultTimeout = 15000;

int& timeout() {
    static int milliseconds = kDefaultTimeout;
    return milliseconds;
}

// Content and server errors are HTTP statuses: the server did answer. Every
// other error (network layer, proxy, protocol, cancelled by the time-out)
// means no usable answer came.
bool isHttpStatusError(QNetworkReply::NetworkError error) {
    return (error >= QNetworkReply::ContentAccessDenied &&
            error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError &&
            error <= QNetworkReply::UnknownServerError);
}

HttpAnswer fetchFromNetwork(const QUrl& url) {
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // One deadline for the whole request: a server that trickles its answer
    // must not hold the window any longer than one that stays silent.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    deadline.start(timeout());
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QNetworkReply::NetworkError error = reply->error();
    const bool hasStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (error != QNetworkReply::NoError && !(hasStatus && isHttpStatusError(error))) return {};
    return {true, FromAnsi(reply->readAll())};
}

HttpGetHandler& handler() {
    static HttpGetHandler current = fetchFromNetwork;
    return current;
}

}  // namespace

HttpAnswer HttpGet(const QUrl& url) {
    return handler()(url);
}

int SetHttpTimeout(int milliseconds) {
    return std::exchange(timeout(), milliseconds);
}

HttpGetHandler SetHttpGetHandler(HttpGetHandler replacement) {
    return std::exchange(handler(), replacement ? replacement : fetchFromNetwork);
}

}  // namespace platform::net
