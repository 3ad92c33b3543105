#include "platform/qt/QtHttpClient.h"

#include "platform/qt/QtText.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace quillet::platform {

namespace {

// What one request has gathered so far; shared by its signal handlers.
struct Transfer
{
    HttpClient::Callback done;
    std::string body;
    bool delivered = false;
    bool timedOut = false;

    void deliver(HttpReply reply)
    {
        if (delivered)
            return;
        delivered = true;
        auto callback = std::move(done);
        if (callback)
            callback(reply);
    }
};

void readAvailable(QNetworkReply& reply, Transfer& transfer)
{
    const auto room = static_cast<qint64>(HttpClient::bodyLimit - transfer.body.size());
    if (room <= 0)
        return;
    const QByteArray chunk = reply.read(room);
    transfer.body.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
}

}  // namespace

QtHttpClient::QtHttpClient(QObject* parent) : QObject(parent)
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

QtHttpClient::~QtHttpClient()
{
    const auto replies = m_network.findChildren<QNetworkReply*>();
    for (QNetworkReply* reply : replies) {
        reply->disconnect();
        reply->abort();
    }
}

void QtHttpClient::get(const std::u16string& address, std::chrono::milliseconds timeout,
                       Callback done)
{
    auto transfer = std::make_shared<Transfer>();
    transfer->done = std::move(done);

    const QUrl url(toQString(address), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"http" && url.scheme() != u"https")) {
        // Still asynchronous, as for every other failure.
        QTimer::singleShot(0, this, [transfer] {
            HttpReply reply;
            reply.error = u"invalid address";
            transfer->deliver(std::move(reply));
        });
        return;
    }

    QNetworkRequest request(url);
    const int msecs = static_cast<int>(timeout.count());
    request.setTransferTimeout(msecs);
    QNetworkReply* reply = m_network.get(request);

    // transferTimeout only notices silence; a server trickling bytes would keep
    // the request alive, so the whole exchange has a deadline too.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, transfer] {
        transfer->timedOut = true;
        reply->abort();
    });
    deadline->start(msecs);

    connect(
        reply, &QNetworkReply::readyRead, this,
        [reply, transfer] {
            readAvailable(*reply, *transfer);
            if (transfer->body.size() >= bodyLimit) {
                // Enough read: the rest of the body is never fetched.
                HttpReply result;
                result.ok = true;
                result.body = std::move(transfer->body);
                transfer->deliver(std::move(result));
                reply->abort();
            }
        });

    connect(reply, &QNetworkReply::finished, this, [reply, transfer] {
        reply->deleteLater();
        if (transfer->delivered)
            return;
        HttpReply result;
        if (transfer->timedOut) {
            result.error = u"time-out";
        } else if (reply->error() != QNetworkReply::NoError) {
            result.error = toU16(reply->errorString());
        } else {
            readAvailable(*reply, *transfer);
            result.ok = true;
            result.body = std::move(transfer->body);
        }
        transfer->deliver(std::move(result));
    });
}

}  // namespace quillet::platform
