#pragma once
// The system clipboard through QClipboard. On X the text is read on a worker
// thread of its own and kept: text() gives the text as last read and never
// waits on the program that owns the clipboard.

#include "platform/Clipboard.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QClipboard;
class QMimeData;

namespace quillet::platform {

class XcbClipboardReader;

class QtClipboard : public QObject, public Clipboard
{
    Q_OBJECT
public:
    // Uses the application's clipboard unless one is given.
    explicit QtClipboard(QClipboard* clipboard = nullptr, QObject* parent = nullptr);
    ~QtClipboard() override;

    std::u16string text() const override;
    void setText(const std::u16string& text) override;
    void clear() override;
    void setChangeHandler(std::function<void()> handler) override;

    // Password managers mark copied secrets with the MIME type
    // x-kde-passwordManagerHint and the value "secret", on Windows with the
    // format ExcludeClipboardContentFromMonitorProcessing; such content is
    // never treated as text.
    static bool isMarkedSecret(const QMimeData& data);
    static bool isSecretMark(const QByteArray& hintValue);

private:
    void contentChanged();
    void readLoop();
    void readFinished(unsigned generation, const QString& text);
    void notify();

    QClipboard* m_clipboard;
    std::function<void()> m_handler;

    // The X path; all null elsewhere, where QClipboard does not block.
    std::unique_ptr<XcbClipboardReader> m_reader;
    std::u16string m_text;      // as last read or written
    unsigned m_generation = 0;  // counts changes, own writes included
    bool m_writing = false;     // our own write is under way
    std::mutex m_mutex;         // guards the four below
    std::condition_variable m_wake;
    bool m_readWanted = false;
    unsigned m_wantedGeneration = 0;
    std::atomic<bool> m_stopping = false;
    std::thread m_thread;
};

}  // namespace quillet::platform
