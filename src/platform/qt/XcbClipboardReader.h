#pragma once
// Reads the X clipboard's text over a connection of its own, for a worker
// thread: an owner that never answers costs that thread a time-out, never the
// user-interface thread a wait.

#include <QString>

#include <atomic>
#include <memory>

namespace quillet::platform {

class XcbClipboardReader
{
public:
    // How long one answer from the owner may take before the read gives up.
    static constexpr int kAnswerMilliseconds = 1000;
    // The most text bytes kept: any longer text is far past the longest search
    // text, so its first bytes stand for it.
    static constexpr int kMaxTextBytes = 16 * 1024;

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
