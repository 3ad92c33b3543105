#include "platform/qt/XcbClipboardReader.h"

#include "platform/qt/QtClipboard.h"

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace quillet::platform {

namespace {

struct FreeDeleter
{
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Owned = std::unique_ptr<T, FreeDeleter>;

int eventType(const xcb_generic_event_t& event)
{
    return event.response_type & 0x7f;
}

}  // namespace

struct XcbClipboardReader::Connection
{
    xcb_connection_t* c = nullptr;
    xcb_window_t window = XCB_NONE;
    xcb_atom_t clipboard = XCB_NONE;
    xcb_atom_t targets = XCB_NONE;
    xcb_atom_t utf8 = XCB_NONE;
    xcb_atom_t plainUtf8 = XCB_NONE;
    xcb_atom_t incr = XCB_NONE;
    xcb_atom_t hint = XCB_NONE;
    xcb_atom_t property = XCB_NONE;  // where owners put their answers

    ~Connection()
    {
        if (c)
            xcb_disconnect(c);
    }

    // The next event `wanted` accepts, or nothing once none came for
    // kAnswerMilliseconds or `stop` was set.
    template <typename Wanted>
    Owned<xcb_generic_event_t> waitFor(const std::atomic<bool>& stop, Wanted wanted)
    {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(kAnswerMilliseconds);
        pollfd socket{xcb_get_file_descriptor(c), POLLIN, 0};
        for (;;) {
            while (Owned<xcb_generic_event_t> event{xcb_poll_for_event(c)})
                if (wanted(*event))
                    return event;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (xcb_connection_has_error(c) || stop || left.count() <= 0)
                return nullptr;
            // Short slices, so that a stop request is seen soon.
            poll(&socket, 1, static_cast<int>(std::min<long>(left.count(), 100)));
        }
    }

    struct Property
    {
        xcb_atom_t type = XCB_NONE;
        QByteArray bytes;          // the bytes asked for, rounded up to whole words
        std::uint32_t length = 0;  // the whole value's, in bytes
    };

    // Reads the answer property's first maxBytes (the server sends no more),
    // then deletes it, which also tells an owner sending in increments to send
    // the next one.
    Property takeProperty(int maxBytes)
    {
        Property taken;
        const std::uint32_t words = (static_cast<std::uint32_t>(maxBytes) + 3) / 4;
        Owned<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, words),
            nullptr)};
        xcb_delete_property(c, window, property);
        xcb_flush(c);
        if (!reply)
            return taken;
        const int size = xcb_get_property_value_length(reply.get());
        taken.type = reply->type;
        taken.length = static_cast<std::uint32_t>(size) + reply->bytes_after;
        taken.bytes =
            QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), size);
        return taken;
    }

    // An answer sent in increments: each arrives as a new property value and an
    // empty one ends it. Every increment is taken, so the owner is never left
    // waiting, but only the first maxBytes are kept.
    std::optional<QByteArray> takeIncrements(int maxBytes, const std::atomic<bool>& stop)
    {
        QByteArray kept;
        for (;;) {
            const auto event = waitFor(stop, [&](const xcb_generic_event_t& e) {
                const auto& notice = reinterpret_cast<const xcb_property_notify_event_t&>(e);
                return eventType(e) == XCB_PROPERTY_NOTIFY && notice.window == window &&
                       notice.atom == property && notice.state == XCB_PROPERTY_NEW_VALUE;
            });
            if (!event)
                return std::nullopt;
            const Property chunk =
                takeProperty(std::max(0, maxBytes - static_cast<int>(kept.size())));
            if (chunk.length == 0)
                return kept;
            kept += chunk.bytes;
        }
    }

    // Asks the clipboard's owner for `target`; nothing when it refuses or does
    // not answer.
    std::optional<QByteArray> convert(xcb_atom_t target, int maxBytes,
                                      const std::atomic<bool>& stop)
    {
        xcb_convert_selection(c, window, clipboard, target, property, XCB_CURRENT_TIME);
        xcb_flush(c);
        const auto event = waitFor(stop, [&](const xcb_generic_event_t& e) {
            const auto& notice = reinterpret_cast<const xcb_selection_notify_event_t&>(e);
            return eventType(e) == XCB_SELECTION_NOTIFY && notice.requestor == window &&
                   notice.selection == clipboard && notice.target == target;
        });
        if (!event ||
            reinterpret_cast<xcb_selection_notify_event_t*>(event.get())->property == XCB_NONE)
            return std::nullopt;
        Property answer = takeProperty(maxBytes);
        if (answer.type == incr)
            return takeIncrements(maxBytes, stop);
        return std::move(answer.bytes);
    }
};

std::unique_ptr<XcbClipboardReader> XcbClipboardReader::connect()
{
    auto x = std::make_unique<Connection>();
    int screenNumber = 0;
    x->c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x->c))
        return nullptr;
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(x->c));
    for (int i = 0; i < screenNumber && screen.rem > 0; ++i) xcb_screen_next(&screen);
    if (screen.rem == 0)
        return nullptr;

    x->window = xcb_generate_id(x->c);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(x->c, XCB_COPY_FROM_PARENT, x->window, screen.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);

    const std::pair<xcb_atom_t*, const char*> names[] = {
        {&x->clipboard, "CLIPBOARD"},
        {&x->targets, "TARGETS"},
        {&x->utf8, "UTF8_STRING"},
        {&x->plainUtf8, "text/plain;charset=utf-8"},
        {&x->incr, "INCR"},
        {&x->hint, "x-kde-passwordManagerHint"},
        {&x->property, "QUILLET_CLIPBOARD"}};
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const auto& [atom, name] : names)
        cookies.push_back(
            xcb_intern_atom(x->c, 0, static_cast<std::uint16_t>(std::strlen(name)), name));
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        Owned<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(x->c, cookies[i], nullptr)};
        if (!reply)
            return nullptr;
        *names[i].first = reply->atom;
    }
    return std::unique_ptr<XcbClipboardReader>(new XcbClipboardReader(std::move(x)));
}

XcbClipboardReader::XcbClipboardReader(std::unique_ptr<Connection> connection)
    : m_x(std::move(connection))
{
}

XcbClipboardReader::~XcbClipboardReader() = default;

QString XcbClipboardReader::read(const std::atomic<bool>& stop)
{
    Connection& x = *m_x;
    // Late answers to reads that gave up.
    while (Owned<xcb_generic_event_t> stale{xcb_poll_for_event(x.c)}) {
    }
    const std::optional<QByteArray> list = x.convert(x.targets, 4096, stop);
    if (!list)
        return {};
    std::vector<xcb_atom_t> offered(static_cast<std::size_t>(list->size()) / sizeof(xcb_atom_t));
    std::memcpy(offered.data(), list->constData(), offered.size() * sizeof(xcb_atom_t));
    const auto offers = [&](xcb_atom_t target) {
        return std::find(offered.begin(), offered.end(), target) != offered.end();
    };

    // A hint that cannot be read might be "secret".
    if (offers(x.hint)) {
        const std::optional<QByteArray> hint = x.convert(x.hint, 64, stop);
        if (!hint || QtClipboard::isSecretMark(*hint))
            return {};
    }
    const std::pair<xcb_atom_t, bool> textTargets[] = {
        {x.utf8, true}, {x.plainUtf8, true}, {XCB_ATOM_STRING, false}};
    for (const auto& [target, isUtf8] : textTargets) {
        if (!offers(target))
            continue;
        const std::optional<QByteArray> bytes = x.convert(target, kMaxTextBytes, stop);
        if (!bytes)
            return {};
        return isUtf8 ? QString::fromUtf8(*bytes) : QString::fromLatin1(*bytes);
    }
    return {};
}

}  // namespace quillet::platform
