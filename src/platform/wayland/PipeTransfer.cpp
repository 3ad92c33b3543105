#include "platform/wayland/PipeTransfer.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace quillet::platform {

namespace {

// Pipes being written at once.
int writing = 0;

// One pipe end with its notifier and deadline; deletes itself when finished.
class Transfer : public QObject
{
public:
    Transfer(int fd, QSocketNotifier::Type type, QObject* context)
        : QObject(context), m_fd(fd), m_notifier(fd, type, this)
    {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { finish(false); });
        m_deadline.start(kPipeMilliseconds);
    }
    ~Transfer() override
    {
        m_notifier.setEnabled(false);
        ::close(m_fd);
        if (m_notifier.type() == QSocketNotifier::Write)
            --writing;
    }

    void finish(bool whole)
    {
        m_notifier.setEnabled(false);
        m_deadline.stop();
        if (m_done)
            std::exchange(m_done, nullptr)(m_bytes, whole);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QTimer m_deadline;
    QByteArray m_bytes;
    std::function<void(const QByteArray&, bool)> m_done;
};

}  // namespace

void readPipe(int fd, int maxBytes, QObject* context,
              std::function<void(const QByteArray& bytes, bool whole)> done)
{
    auto* transfer = new Transfer(fd, QSocketNotifier::Read, context);
    transfer->m_done = std::move(done);
    QObject::connect(&transfer->m_notifier, &QSocketNotifier::activated, transfer,
                     [transfer, maxBytes] {
                         char buffer[4096];
                         for (;;) {
                             const ssize_t n = ::read(transfer->m_fd, buffer, sizeof buffer);
                             if (n > 0) {
                                 const qsizetype room = maxBytes - transfer->m_bytes.size();
                                 transfer->m_bytes.append(buffer, qMin<qsizetype>(n, room));
                             } else if (n == 0) {
                                 return transfer->finish(true);
                             } else if (errno == EAGAIN) {
                                 return;
                             } else if (errno != EINTR) {
                                 return transfer->finish(false);
                             }
                         }
                     });
}

void writePipe(int fd, const QByteArray& bytes, QObject* context)
{
    if (writing == kMaxPipeWrites) {
        ::close(fd);
        return;
    }
    ++writing;
    auto* transfer = new Transfer(fd, QSocketNotifier::Write, context);
    transfer->m_bytes = bytes;
    QObject::connect(&transfer->m_notifier, &QSocketNotifier::activated, transfer, [transfer] {
        QByteArray& left = transfer->m_bytes;
        while (!left.isEmpty()) {
            const ssize_t n = ::write(transfer->m_fd, left.constData(), left.size());
            if (n > 0)
                left.remove(0, n);
            else if (errno == EAGAIN)
                return;
            else if (errno != EINTR)
                break;
        }
        transfer->finish(left.isEmpty());
    });
}

}  // namespace quillet::platform
