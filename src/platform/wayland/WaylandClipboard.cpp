#include "platform/wayland/WaylandClipboard.h"

#include "platform/qt/QtText.h"
#include "platform/wayland/DataControl.h"

#include <utility>

namespace quillet::platform {

std::unique_ptr<WaylandClipboard> WaylandClipboard::connect()
{
    std::unique_ptr<DataControl> control = DataControl::connect();
    if (!control)
        return nullptr;
    return std::unique_ptr<WaylandClipboard>(new WaylandClipboard(std::move(control)));
}

WaylandClipboard::WaylandClipboard(std::unique_ptr<DataControl> control)
    : m_control(std::move(control))
{
    m_control->setSelectionHandler([this](const DataControl::Offer& offer) {
        const unsigned generation = ++m_generation;
        // Our own writes are known already.
        if (offer.own)
            return;
        readOfferText(
            offer.types, offer.receive, this,
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
    m_control->setSelection(contents);
    write(text);
}

void WaylandClipboard::clear()
{
    // No owner, as on X: pasting gives nothing.
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
