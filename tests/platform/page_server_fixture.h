#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

// A small HTTP server on 127.0.0.1 for the browser tests: every path it knows
// answers with its page, after an optional delay; any other path gets 404.
// The host name of a request is ignored, so names under "localhost" (which
// the browser engine resolves to this machine) all reach it.
class PageServer {
public:
    PageServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] { accept(); });
    }

    QString base(const QString& host = QStringLiteral("127.0.0.1")) const {
        return QStringLiteral("http://%1:%2").arg(host).arg(server_.serverPort());
    }

    void page(const QString& path, const QByteArray& body, int delayMs = 0,
              const QByteArray& type = "text/html; charset=utf-8") {
        pages_.insert(path, {body, delayMs, type});
    }

    QStringList requests;

private:
    struct Page {
        QByteArray body;
        int delayMs;
        QByteArray type;
    };

    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                received->append(socket->readAll());
                if (!received->contains("\r\n\r\n") || socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                const QString path = QString::fromUtf8(received->split(' ').value(1));
                requests.append(path);
                answer(socket, path);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void answer(QTcpSocket* socket, const QString& path) {
        const auto found = pages_.constFind(path);
        const bool known = found != pages_.constEnd();
        const Page page = known ? *found : Page{"missing", 0, "text/plain"};
        QTimer::singleShot(page.delayMs, socket, [socket, page, known] {
            QByteArray reply = known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n";
            reply += "Content-Type: " + page.type +
                     "\r\nContent-Length: " + QByteArray::number(page.body.size()) +
                     "\r\nConnection: close\r\n\r\n" + page.body;
            socket->write(reply);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    QHash<QString, Page> pages_;
};
