#pragma once
// Reads the X clipboard's text over a connection of its own, for a worker
// thread: an owner that never answers costs that thread a time-out, never the
// user-interface thread a wait.

#include "platform/Clipboard.h"

#include <QString>

#include <atomic>
#include <memory>

namespace quillet::platform {

class XcbClipboardReader
{
public:
    static constexpr int kAnswerMilliseconds = kClipboardAnswerMilliseconds;
    static constexpr int kMaxTextBytes = kClipboardTextBytes;

    // Null when the display cannot be reached.
    static std::unique_ptr<XcbClipboardReader> connect();
    ~XcbClipboardReader();

    // The CLIPBOARD selection's text, cut at kMaxTextBytes; empty when it holds
    // no text, when a password manager marked it secret, when the owner does
    // not answer in time or when `stop` is set meanwhile.
    QString read(const std::atomic<bool>& stop);

private:
    struct Connection;
    explicit XcbClipboardReader(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> m_x;
};

}  // namespace quillet::platform
