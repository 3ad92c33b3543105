#include "platform/wayland/WaylandClipboard.h"

#include "platform/qt/QtText.h"
#include "platform/wayland/DataControl.h"

#include <cstdio>
#include <utility>

namespace quillet::platform {

namespace {

// How long after the connection ended it is made anew, and again after a
// failed try.
constexpr int kReconnectMilliseconds = 500;

}  // namespace

std::unique_ptr<WaylandClipboard> WaylandClipboard::connect()
{
    std::unique_ptr<DataControl> control = DataControl::connect();
    if (!control)
        return nullptr;
    return std::unique_ptr<WaylandClipboard>(new WaylandClipboard(std::move(control)));
}

WaylandClipboard::WaylandClipboard(std::unique_ptr<DataControl> control)
{
    m_reconnect.setSingleShot(true);
    m_reconnect.setInterval(kReconnectMilliseconds);
    QObject::connect(&m_reconnect, &QTimer::timeout, this, [this] {
        // The ended connection's descriptors are let go of first: a full
        // descriptor table may be why it ended.
        m_control.reset();
        if (std::unique_ptr<DataControl> again = DataControl::connect())
            watch(std::move(again));
        else
            m_reconnect.start();
    });
    watch(std::move(control));
}

void WaylandClipboard::watch(std::unique_ptr<DataControl> control)
{
    m_control = std::move(control);
    m_control->setEndHandler([this](const char* why) {
        std::fprintf(stderr,
                     "quillet: the Wayland clipboard connection ended (%s); connecting again\n",
                     why);
        m_reconnect.start();
    });
    m_control->setSelectionHandler([this](const DataControl::Offer& offer) {
        const unsigned generation = ++m_generation;
        // An older selection's transfer ends: one is read at a time.
        if (m_reading)
            m_reading->deleteLater();
        m_reading = nullptr;
        // Our own writes are known already.
        if (offer.own)
            return;
        m_reading = new QObject(this);
        readOfferText(offer.types, offer.receive, m_reading,
                      [this, generation](const std::u16string& text) {
                          // A newer change came while this one was read.
                          if (generation != m_generation)
                              return;
                          m_text = text;
                          if (m_handler)
                              m_handler();
                      });
    });
}

WaylandClipboard::~WaylandClipboard() = default;

void WaylandClipboard::setText(const std::u16string& text)
{
    const QByteArray bytes = toQString(text).toUtf8();
    std::vector<std::pair<std::string, QByteArray>> contents;
    for (const std::string& type : kTextTypes) contents.emplace_back(type, bytes);
    if (m_control)
        m_control->setSelection(contents);
    write(text);
}

void WaylandClipboard::clear()
{
    // No owner, as on X: pasting gives nothing.
    if (m_control)
        m_control->setSelection({});
    write({});
}

void WaylandClipboard::write(const std::u16string& text)
{
    ++m_generation;
    m_text = text;
    if (m_handler)
        m_handler();
}

void WaylandClipboard::setChangeHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

}  // namespace quillet::platform
