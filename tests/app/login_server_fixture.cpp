#include "login_server_fixture.h"

#include <QTcpSocket>
#include <QTimer>

RawHttpServer::RawHttpServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, &RawHttpServer::Accept);
}

QByteArray RawHttpServer::Base() const {
    return "http://127.0.0.1:" + QByteArray::number(server_.serverPort()) + "/velmora/";
}

void RawHttpServer::SetAnswer(int status, const QByteArray& body) {
    status_ = status;
    body_ = body;
}

void RawHttpServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections_;
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
    }
}

void RawHttpServer::Read(QTcpSocket* socket) {
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n")) return;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    targets_.append(requestLine.value(1));
    switch (mode_) {
        case Mode::Answer:
            Reply(socket);
            break;
        case Mode::Silent:
            break;
        case Mode::HangUp:
            socket->abort();
            break;
        case Mode::Trickle: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
            auto* drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write("O"); });
            drip->start(50);
            break;
        }
        case Mode::Flood:
        case Mode::FloodUnsized:
            Flood(socket, mode_ == Mode::Flood);
            break;
    }
}

// Writes the next block whenever the last one has gone out, until the client
// stops reading or hangs up.
void RawHttpServer::Flood(QTcpSocket* socket, bool declared) {
    socket->write(declared ? "HTTP/1.1 200 OK\r\nContent-Length: 419430400\r\n\r\n"
                           : "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
    const QByteArray block(64 * 1024, 'O');
    socket->write(block);
    connect(socket, &QTcpSocket::bytesWritten, socket, [socket, block] {
        if (socket->bytesToWrite() == 0) socket->write(block);
    });
}

void RawHttpServer::Reply(QTcpSocket* socket) {
    socket->write("HTTP/1.1 " + QByteArray::number(status_) + " Status\r\nContent-Length: " +
                  QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
    socket->disconnectFromHost();
}

quint16 ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
