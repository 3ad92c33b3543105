// What the update check relies on when the network misbehaves: a reply's body
// is capped, and every request ends in time, with exactly one reply.

#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtText.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace quillet;
using namespace std::chrono_literals;

namespace {

// On 127.0.0.1: headers that promise a long body, `start` of it at once, then
// a byte every 50 ms for ever.
struct TricklingServer : QTcpServer
{
    QByteArray start;

    TricklingServer()
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            const auto answer = [this, socket] {
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n" + start);
                auto* drip = new QTimer(socket);
                connect(drip, &QTimer::timeout, socket, [socket] { socket->write("x"); });
                drip->start(50);
            };
            connect(socket, &QTcpSocket::readyRead, socket, answer, Qt::SingleShotConnection);
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/v").arg(serverPort()); }
};

std::vector<platform::HttpReply> fetch(const QString& address, std::chrono::milliseconds timeout)
{
    platform::QtHttpClient client;
    std::vector<platform::HttpReply> replies;
    client.get(
        platform::toU16(address), timeout,
        [&](const platform::HttpReply& reply) { replies.push_back(reply); });
    (void)QTest::qWaitFor([&] { return !replies.empty(); }, 15000);
    QTest::qWait(100);  // a second reply would come now
    return replies;
}

}  // namespace

class QtHttpClientTest : public QObject
{
    Q_OBJECT
private slots:
    // A server that never stops sending still misses the deadline; one that
    // sends enough has its first 64 KiB back at once, whatever follows.
    void everyRequestEndsInTimeWithAtMost64KiB()
    {
        TricklingServer server;
        for (const QString& address : {server.address(), u"file:///etc/passwd"_qs}) {
            const auto replies = fetch(address, 300ms);
            QCOMPARE(replies.size(), 1u);
            QVERIFY(!replies[0].ok);
        }
        server.start = "0X99VA" + QByteArray(200 * 1024, 'x');
        const auto replies = fetch(server.address(), 10s);
        QCOMPARE(replies.size(), 1u);
        QVERIFY(replies[0].ok);
        QCOMPARE(replies[0].body.size(), 65536u);
        QVERIFY(replies[0].body.starts_with("0X99VA"));
    }
};

QTEST_GUILESS_MAIN(QtHttpClientTest)
#include "QtHttpClientTest.moc"
