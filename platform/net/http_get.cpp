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
// Every answer of the member server is a few bytes.
constexpr qint64 kLongestAnswer = 64 * 1024;

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

// Takes the body as it arrives and stops the download as soon as it is
// known to be longer than an answer can be.
class BoundedBody {
public:
    explicit BoundedBody(QNetworkReply* reply) : reply_(reply) {
        reply->setReadBufferSize(kLongestAnswer);
        QObject::connect(reply, &QNetworkReply::metaDataChanged, &context_,
                         [this] { CheckLength(); });
        QObject::connect(reply, &QNetworkReply::readyRead, &context_, [this] { Take(); });
    }

    bool tooLong() const { return tooLong_; }
    const QByteArray& bytes() {
        Take();
        return bytes_;
    }

private:
    void CheckLength() {
        const QVariant declared = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (declared.isValid() && declared.toLongLong() > kLongestAnswer) Stop();
    }
    void Take() {
        if (tooLong_) return;
        bytes_ += reply_->read(kLongestAnswer + 1 - bytes_.size());
        if (bytes_.size() > kLongestAnswer) Stop();
    }
    void Stop() {
        tooLong_ = true;
        bytes_.clear();
        reply_->abort();
    }

    QNetworkReply* reply_;
    QByteArray bytes_;
    bool tooLong_ = false;
    QObject context_;  // ends the connections with the object
};

HttpAnswer fetchFromNetwork(const QUrl& url) {
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    BoundedBody body(reply.get());
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // One deadline for the whole request: a server that trickles its answer
    // must not hold the window any longer than one that stays silent.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    deadline.start(timeout());
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    // An answer that long is no answer of the server's: an empty body is never one.
    if (body.tooLong()) return {true, QString()};
    const QNetworkReply::NetworkError error = reply->error();
    const bool hasStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (error != QNetworkReply::NoError && !(hasStatus && isHttpStatusError(error))) return {};
    return {true, basic::FromAnsi(body.bytes())};
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
