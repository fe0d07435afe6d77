#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A bare HTTP server on 127.0.0.1 that shows what reached it byte for byte
// and can misbehave: stay silent, hang up, trickle its answer, or flood the
// client with an endless body, declared as 400 MB or of no declared length.
class RawHttpServer : public QObject {
public:
    enum class Mode { Answer, Silent, HangUp, Trickle, Flood, FloodUnsized };

    RawHttpServer();

    QByteArray Base() const;  // "http://127.0.0.1:<port>/velmora/"
    void SetMode(Mode mode) { mode_ = mode; }
    void SetAnswer(int status, const QByteArray& body);

    // The request targets (path and query) as they arrived.
    const QList<QByteArray>& Targets() const { return targets_; }
    int Connections() const { return connections_; }

private:
    void Accept();
    void Read(QTcpSocket* socket);
    void Reply(QTcpSocket* socket);
    void Flood(QTcpSocket* socket, bool declared);

    QTcpServer server_;
    Mode mode_ = Mode::Answer;
    int status_ = 200;
    QByteArray body_ = "OK";
    QList<QByteArray> targets_;
    int connections_ = 0;
};

// A port on 127.0.0.1 where nothing listens.
quint16 ClosedPort();
