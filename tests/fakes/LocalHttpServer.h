#pragma once
// A tiny HTTP server on 127.0.0.1 for tests of code that fetches pages. It
// answers every request with the configured reply, or stays silent.

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace quillet::fakes {

class LocalHttpServer : public QObject
{
public:
    // Trickle: headers promising a long body, then one byte every 50 ms, for ever.
    enum class Behaviour { Answer, NeverAnswer, CloseWithoutAnswer, Trickle };

    LocalHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    bool listening() const { return m_server.isListening(); }
    quint16 port() const { return m_server.serverPort(); }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }

    void setReply(QByteArray body, int status = 200)
    {
        m_body = std::move(body);
        m_status = status;
        m_behaviour = Behaviour::Answer;
    }
    void setBehaviour(Behaviour behaviour) { m_behaviour = behaviour; }

    // Request targets ("/path?query") in arrival order.
    const QList<QByteArray>& requests() const { return m_requests; }

private:
    void accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    }

    void serve(QTcpSocket* socket)
    {
        QByteArray& pending = m_partial[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> requestLine = pending.left(pending.indexOf("\r\n")).split(' ');
        m_requests.append(requestLine.size() > 1 ? requestLine.at(1) : QByteArray());
        pending.clear();

        switch (m_behaviour) {
            case Behaviour::NeverAnswer:
                return;
            case Behaviour::CloseWithoutAnswer:
                socket->disconnectFromHost();
                return;
            case Behaviour::Trickle: {
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n");
                auto* drip = new QTimer(socket);
                connect(drip, &QTimer::timeout, socket, [socket] { socket->write("x"); });
                drip->start(50);
                return;
            }
            case Behaviour::Answer:
                break;
        }
        QByteArray response = "HTTP/1.1 " + QByteArray::number(m_status) + " X\r\n";
        response += "Content-Type: text/html\r\nConnection: close\r\n";
        response += "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n\r\n";
        response += m_body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    Behaviour m_behaviour = Behaviour::Answer;
    QByteArray m_body;
    int m_status = 200;
    QList<QByteArray> m_requests;
    QHash<QTcpSocket*, QByteArray> m_partial;
};

}  // namespace quillet::fakes
