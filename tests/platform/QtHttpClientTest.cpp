#include "fakes/LocalHttpServer.h"
#include "platform/qt/QtHttpClient.h"
#include "platform/qt/QtText.h"

#include <QTcpServer>
#include <QTest>

#include <memory>
#include <vector>

using namespace quillet;
using namespace std::chrono_literals;

namespace {

struct Collected
{
    std::vector<platform::HttpReply> replies;
    platform::HttpClient::Callback callback()
    {
        return [this](const platform::HttpReply& reply) { replies.push_back(reply); };
    }
};

std::u16string address(const fakes::LocalHttpServer& server, const char* target)
{
    return platform::toU16(server.base() + QString::fromLatin1(target));
}

// A port on which nothing listens: bound once, then released.
quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

}  // namespace

class QtHttpClientTest : public QObject
{
    Q_OBJECT
private slots:
    // The body arrives after get() returns, cut at the limit without a
    // second report for the abort that follows.
    void replyBodyArrivesUpToTheLimit_data()
    {
        QTest::addColumn<QByteArray>("body");
        QByteArray big;
        for (int i = 0; big.size() < 200 * 1024; ++i) big += QByteArray::number(i) + ' ';
        QTest::newRow("small") << QByteArray("<html>0X99VA</html>");
        QTest::newRow("beyond the limit") << big;
    }

    void replyBodyArrivesUpToTheLimit()
    {
        QFETCH(QByteArray, body);
        fakes::LocalHttpServer server;
        QVERIFY(server.listening());
        server.setReply(body);
        platform::QtHttpClient client;
        Collected got;

        client.get(address(server, "/quillet/version.asp?v=2007&l=1"), 10s, got.callback());
        QVERIFY(got.replies.empty());
        QTRY_COMPARE_WITH_TIMEOUT(got.replies.size(), std::size_t(1), 10000);
        QTest::qWait(100);

        QCOMPARE(got.replies.size(), std::size_t(1));
        QVERIFY(got.replies[0].ok);
        QCOMPARE(QByteArray::fromStdString(got.replies[0].body),
                 body.left(static_cast<qsizetype>(platform::HttpClient::bodyLimit)));
        QCOMPARE(server.requests().value(0), QByteArray("/quillet/version.asp?v=2007&l=1"));
    }

    void failuresAreReportedOnce_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("connection refused") << 0;
        QTest::newRow("server never answers") << 1;
        QTest::newRow("connection closed without reply") << 2;
        QTest::newRow("error status") << 3;
        QTest::newRow("not a web address") << 4;
        QTest::newRow("server trickles for ever") << 5;
    }

    void failuresAreReportedOnce()
    {
        QFETCH(int, kind);
        fakes::LocalHttpServer server;
        std::u16string target = address(server, "/quillet/version.asp");
        switch (kind) {
            case 0:
                target = platform::toU16(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort()));
                break;
            case 1:
                server.setBehaviour(fakes::LocalHttpServer::Behaviour::NeverAnswer);
                break;
            case 2:
                server.setBehaviour(fakes::LocalHttpServer::Behaviour::CloseWithoutAnswer);
                break;
            case 3:
                server.setReply("0X99VA", 500);
                break;
            case 4:
                target = u"file:///etc/passwd";
                break;
            default:
                server.setBehaviour(fakes::LocalHttpServer::Behaviour::Trickle);
                break;
        }
        platform::QtHttpClient client;
        Collected got;

        client.get(target, 300ms, got.callback());
        QVERIFY(got.replies.empty());
        QTRY_COMPARE_WITH_TIMEOUT(got.replies.size(), std::size_t(1), 15000);
        QTest::qWait(100);

        QCOMPARE(got.replies.size(), std::size_t(1));
        QVERIFY(!got.replies[0].ok);
        QVERIFY(!got.replies[0].error.empty());
    }

    void droppingTheClientDropsItsCallbacks()
    {
        fakes::LocalHttpServer server;
        server.setBehaviour(fakes::LocalHttpServer::Behaviour::NeverAnswer);
        Collected got;
        {
            platform::QtHttpClient client;
            client.get(address(server, "/slow"), 200ms, got.callback());
            QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), qsizetype(1), 10000);
        }
        QTest::qWait(400);
        QVERIFY(got.replies.empty());
    }
};

QTEST_GUILESS_MAIN(QtHttpClientTest)
#include "QtHttpClientTest.moc"
