#include "platform/qt/QtClipboard.h"

#include "platform/qt/QtText.h"
#ifdef QUILLET_XCB_CLIPBOARD
#include "platform/qt/XcbClipboardReader.h"
#endif

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <utility>

namespace quillet::platform {

#ifndef QUILLET_XCB_CLIPBOARD
// Without xcb no reader is ever made; this only completes the type.
class XcbClipboardReader
{
public:
    QString read(const std::atomic<bool>&) { return {}; }
};
#endif

namespace {
const QString kPasswordHint = QStringLiteral("x-kde-passwordManagerHint");
// What Windows password managers put beside a secret; Qt names a Windows
// clipboard format that has no MIME type this way.
const QString kWindowsMonitorExclusion = QStringLiteral(
    "application/x-qt-windows-mime;value=\"ExcludeClipboardContentFromMonitorProcessing\"");
}  // namespace

QtClipboard::QtClipboard(QClipboard* clipboard, QObject* parent)
    : QObject(parent), m_clipboard(clipboard ? clipboard : QGuiApplication::clipboard())
{
    connect(m_clipboard, &QClipboard::dataChanged, this, &QtClipboard::contentChanged);
#ifdef QUILLET_XCB_CLIPBOARD
    if (QGuiApplication::platformName() == u"xcb")
        m_reader = XcbClipboardReader::connect();
#endif
    if (m_reader) {
        m_thread = std::thread([this] { readLoop(); });
        contentChanged();
    }
}

QtClipboard::~QtClipboard()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

bool QtClipboard::isSecretMark(const QByteArray& hintValue)
{
    return hintValue.trimmed() == "secret";
}

bool QtClipboard::isMarkedSecret(const QMimeData& data)
{
    return (data.hasFormat(kPasswordHint) && isSecretMark(data.data(kPasswordHint))) ||
           data.hasFormat(kWindowsMonitorExclusion);
}

std::u16string QtClipboard::text() const
{
    if (m_reader)
        return m_text;
    const QMimeData* data = m_clipboard->mimeData(QClipboard::Clipboard);
    if (data == nullptr || isMarkedSecret(*data) || !data->hasText())
        return {};
    return toU16(data->text());
}

void QtClipboard::setText(const std::u16string& text)
{
    ++m_generation;
    m_text = text;
    m_writing = true;
    m_clipboard->setText(toQString(text), QClipboard::Clipboard);
    m_writing = false;
}

void QtClipboard::clear()
{
    ++m_generation;
    m_text.clear();
    m_writing = true;
    m_clipboard->clear(QClipboard::Clipboard);
    m_writing = false;
}

void QtClipboard::setChangeHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

void QtClipboard::notify()
{
    if (m_handler)
        m_handler();
}

void QtClipboard::contentChanged()
{
    // Our own writes are known already; another program's text is read first.
    if (!m_reader || m_writing) {
        notify();
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_readWanted = true;
        m_wantedGeneration = ++m_generation;
    }
    m_wake.notify_one();
}

void QtClipboard::readLoop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_readWanted || m_stopping; });
        if (m_stopping)
            return;
        m_readWanted = false;
        const unsigned generation = m_wantedGeneration;
        lock.unlock();
        const QString text = m_reader->read(m_stopping);
        QMetaObject::invokeMethod(
            this, [this, generation, text] { readFinished(generation, text); },
            Qt::QueuedConnection);
        lock.lock();
    }
}

void QtClipboard::readFinished(unsigned generation, const QString& text)
{
    // A change since the read began: a newer read follows, or our own write
    // holds the clipboard.
    if (generation != m_generation)
        return;
    m_text = toU16(text);
    notify();
}

}  // namespace quillet::platform
