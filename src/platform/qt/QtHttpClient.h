#pragma once
// HTTP GET through QNetworkAccessManager.

#include "platform/HttpClient.h"

#include <QNetworkAccessManager>
#include <QObject>

namespace quillet::platform {

class QtHttpClient : public QObject, public HttpClient
{
    Q_OBJECT
public:
    explicit QtHttpClient(QObject* parent = nullptr);
    // Requests still waiting are dropped; their callbacks never run.
    ~QtHttpClient() override;

    void get(const std::u16string& address, std::chrono::milliseconds timeout,
             Callback done) override;

private:
    QNetworkAccessManager m_network;
};

}  // namespace quillet::platform
