#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace platform::net {

// What a synchronous GET brought back. answered is false when no answer came
// at all (no connection, host not found, time-out, transport error); an HTTP
// error status still counts as an answer, with its body.
struct HttpAnswer {
    bool answered = false;
    QString body;  // the whole body, decoded from the ANSI code page
};

// Fetches url with an HTTP GET and waits for the whole body. While it waits
// the program keeps painting and running its timers, but takes no user input.
// A body longer than 64 KB is not read on: it comes back as an answered,
// empty body, which no caller takes for a valid answer.
HttpAnswer HttpGet(const QUrl& url);

// Sets the longest a request may take, in milliseconds (15 s unless
// changed), and returns the previous time-out; tests shorten it.
int SetHttpTimeout(int milliseconds);

// Seam for tests: the handler answers every request instead of the network.
using HttpGetHandler = std::function<HttpAnswer(const QUrl& url)>;
HttpGetHandler SetHttpGetHandler(HttpGetHandler handler);

}  // namespace platform::net
