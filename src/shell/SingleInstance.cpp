#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

#include <system_error>

namespace quillet::shell {

namespace {

// The running copy takes the lock a moment before it listens.
constexpr int kAttempts = 30;
constexpr int kWaitMilliseconds = 100;

// The name shared by the copies of one user with one settings file. A path
// reached through a link counts as the path it leads to.
QString instanceName(const std::filesystem::path& settingsFile)
{
    std::error_code error;
    std::filesystem::path file = std::filesystem::weakly_canonical(settingsFile, error);
    if (error)
        file = std::filesystem::absolute(settingsFile, error);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    // The user by their home folder: Windows names its pipes machine-wide.
    hash.addData(QDir::homePath().toUtf8() + '\0');
    hash.addData(QByteArray::fromStdString(file.string()));
    return QStringLiteral("quillet-") + QString::fromLatin1(hash.result().toHex().left(16));
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& settingsFile,
                               const QString& runtimeFolder)
    : m_socketPath(runtimeFolder + u'/' + instanceName(settingsFile)),
      m_lock(m_socketPath + QStringLiteral(".lock"))
{
    // Only a lock whose process is gone is stale, however long it was held.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::claim(std::function<void()> comeForward)
{
    if (!m_lock.tryLock())
        return m_lock.error() != QLockFile::LockFailedError || !tellRunningCopy();
    // A socket left by a copy that ended without giving it up.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this, comeForward] {
        while (QLocalSocket* socket = m_server.nextPendingConnection()) socket->deleteLater();
        comeForward();
    });
    m_server.listen(m_socketPath);
    return true;
}

void SingleInstance::release()
{
    m_server.close();
    m_lock.unlock();
}

bool SingleInstance::tellRunningCopy()
{
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(kWaitMilliseconds)) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(kWaitMilliseconds);
    }
    return false;
}

}  // namespace quillet::shell
