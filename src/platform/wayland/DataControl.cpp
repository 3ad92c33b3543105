#include "platform/wayland/DataControl.h"

#include "ext-data-control-v1-client.h"
#include "platform/wayland/PipeTransfer.h"
#include "wlr-data-control-unstable-v1-client.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <wayland-client.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace quillet::platform {

// The standard protocol is the wlroots one renamed: the same requests and
// events in the same order with the same arguments, so one code path drives
// both through the chosen protocol's interfaces.
static_assert(EXT_DATA_CONTROL_MANAGER_V1_GET_DATA_DEVICE ==
              ZWLR_DATA_CONTROL_MANAGER_V1_GET_DATA_DEVICE);
static_assert(EXT_DATA_CONTROL_DEVICE_V1_SET_SELECTION ==
              ZWLR_DATA_CONTROL_DEVICE_V1_SET_SELECTION);
static_assert(EXT_DATA_CONTROL_OFFER_V1_RECEIVE == ZWLR_DATA_CONTROL_OFFER_V1_RECEIVE);
static_assert(EXT_DATA_CONTROL_SOURCE_V1_OFFER == ZWLR_DATA_CONTROL_SOURCE_V1_OFFER);
static_assert(EXT_DATA_CONTROL_DEVICE_V1_DESTROY == EXT_DATA_CONTROL_OFFER_V1_DESTROY &&
              EXT_DATA_CONTROL_SOURCE_V1_DESTROY == EXT_DATA_CONTROL_OFFER_V1_DESTROY);

namespace {

const char kSeat[] = "wl_seat";

struct Interfaces
{
    const wl_interface* manager;
    const wl_interface* device;
    const wl_interface* source;
};
const Interfaces kExt{&ext_data_control_manager_v1_interface, &ext_data_control_device_v1_interface,
                      &ext_data_control_source_v1_interface};
const Interfaces kWlr{&zwlr_data_control_manager_v1_interface,
                      &zwlr_data_control_device_v1_interface,
                      &zwlr_data_control_source_v1_interface};

template <typename... Args>
wl_proxy* request(wl_proxy* proxy, std::uint32_t opcode, const wl_interface* created, Args... args)
{
    return wl_proxy_marshal_flags(proxy, opcode, created, wl_proxy_get_version(proxy), 0, args...);
}

// The device's, source's and offer's destructor requests come second.
void destroy(wl_proxy* proxy, std::uint32_t opcode = EXT_DATA_CONTROL_OFFER_V1_DESTROY)
{
    wl_proxy_marshal_flags(proxy, opcode, nullptr, wl_proxy_get_version(proxy),
                           WL_MARSHAL_FLAG_DESTROY);
}

template <typename Listener>
void listen(wl_proxy* proxy, const Listener& listener, void* data)
{
    wl_proxy_add_listener(
        proxy, reinterpret_cast<void (**)(void)>(const_cast<Listener*>(&listener)), data);
}

}  // namespace

// Each listener lists its interface's events in their published order.
struct DataControl::Events
{
    struct RegistryListener
    {
        void (*global)(void*, wl_registry*, std::uint32_t, const char*, std::uint32_t);
        void (*globalRemove)(void*, wl_registry*, std::uint32_t);
    };
    struct DeviceListener
    {
        void (*dataOffer)(void*, wl_proxy*, wl_proxy*);
        void (*selection)(void*, wl_proxy*, wl_proxy*);
        void (*finished)(void*, wl_proxy*);
        void (*primarySelection)(void*, wl_proxy*, wl_proxy*);
    };
    struct OfferListener
    {
        void (*offer)(void*, wl_proxy*, const char*);
    };
    struct SourceListener
    {
        void (*send)(void*, wl_proxy*, const char*, std::int32_t);
        void (*cancelled)(void*, wl_proxy*);
    };

    static constexpr OfferListener kOffer{[](void* data, wl_proxy* offer, const char* type) {
        static_cast<DataControl*>(data)->m_offerTypes[offer].emplace_back(type);
    }};
    static constexpr DeviceListener kDevice{
        [](void* data, wl_proxy*, wl_proxy* offer) {
            auto* self = static_cast<DataControl*>(data);
            self->m_offerTypes[offer];
            listen(offer, kOffer, self);
        },
        [](void* data, wl_proxy*, wl_proxy* offer) {
            static_cast<DataControl*>(data)->selectionChanged(offer);
        },
        [](void* data, wl_proxy*) {
            static_cast<DataControl*>(data)->stop("the compositor ended the clipboard watch");
        },
        [](void* data, wl_proxy*, wl_proxy* offer) {
            if (offer)
                static_cast<DataControl*>(data)->destroyOffer(offer);
        }};
    static constexpr SourceListener kSource{
        [](void* data, wl_proxy*, const char* type, std::int32_t fd) {
            const auto* source = static_cast<DataControl::Source*>(data);
            for (const auto& [offered, bytes] : source->contents)
                if (offered == type)
                    return writePipe(fd, bytes, source->owner);
            ::close(fd);
        },
        [](void* data, wl_proxy* proxy) {
            auto* source = static_cast<DataControl::Source*>(data);
            destroy(proxy);
            source->owner->m_sources.remove_if(
                [source](const DataControl::Source& s) { return &s == source; });
        }};
    static constexpr wl_callback_listener kSync{
        [](void* data, wl_callback* callback, std::uint32_t) {
            static_cast<DataControl*>(data)->synced(callback);
        }};
};

DataControl::Protocol DataControl::chooseProtocol(const std::vector<std::string>& globals)
{
    const auto has = [&](const char* name) {
        return std::find(globals.begin(), globals.end(), name) != globals.end();
    };
    if (!has(kSeat))
        return Protocol::None;
    if (has(kExt.manager->name))
        return Protocol::Ext;
    if (has(kWlr.manager->name))
        return Protocol::Wlr;
    return Protocol::None;
}

std::unique_ptr<DataControl> DataControl::connect()
{
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return nullptr;
    std::unique_ptr<DataControl> control(new DataControl);
    control->m_display = wl_display_connect(nullptr);
    if (!control->m_display)
        return nullptr;

    // The first global of each interface: its name and version.
    std::map<std::string, std::uint32_t> globals;
    static constexpr Events::RegistryListener kRegistry{
        [](void* data, wl_registry*, std::uint32_t name, const char* interface, std::uint32_t) {
            static_cast<std::map<std::string, std::uint32_t>*>(data)->emplace(interface, name);
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry* registry = wl_display_get_registry(control->m_display);
    listen(reinterpret_cast<wl_proxy*>(registry), kRegistry, &globals);
    const bool listed = wl_display_roundtrip(control->m_display) >= 0;
    std::vector<std::string> names;
    for (const auto& global : globals) names.push_back(global.first);
    const Protocol protocol = chooseProtocol(names);
    if (!listed || protocol == Protocol::None) {
        wl_registry_destroy(registry);
        return nullptr;
    }

    const Interfaces& chosen = protocol == Protocol::Ext ? kExt : kWlr;
    control->m_sourceInterface = chosen.source;
    control->m_seat =
        static_cast<wl_proxy*>(wl_registry_bind(registry, globals[kSeat], &wl_seat_interface, 1));
    control->m_manager = static_cast<wl_proxy*>(
        wl_registry_bind(registry, globals[chosen.manager->name], chosen.manager, 1));
    wl_registry_destroy(registry);
    control->m_device = request(control->m_manager, EXT_DATA_CONTROL_MANAGER_V1_GET_DATA_DEVICE,
                                chosen.device, nullptr, control->m_seat);
    listen(control->m_device, Events::kDevice, control.get());
    if (wl_display_flush(control->m_display) < 0)
        return nullptr;

    control->m_notifier = new QSocketNotifier(wl_display_get_fd(control->m_display),
                                              QSocketNotifier::Read, control.get());
    QObject::connect(control->m_notifier, &QSocketNotifier::activated, control.get(),
                     [c = control.get()] { c->dispatch(); });
    // A reader that closes its pipe early must cost a write error, not the
    // process.
    std::signal(SIGPIPE, SIG_IGN);
    return control;
}

DataControl::~DataControl()
{
    delete m_notifier;
    if (!m_display)
        return;
    for (const auto& offer : m_offerTypes) destroy(offer.first);
    for (const Source& source : m_sources) destroy(source.proxy);
    if (m_device)
        destroy(m_device);
    if (m_manager)
        destroy(m_manager, EXT_DATA_CONTROL_MANAGER_V1_DESTROY);
    if (m_seat)
        wl_proxy_destroy(m_seat);
    wl_display_disconnect(m_display);
}

void DataControl::setSelectionHandler(std::function<void(const Offer&)> handler)
{
    m_handler = std::move(handler);
}

void DataControl::dispatch()
{
    // Only this thread reads the connection, so a read is always prepared.
    if (wl_display_prepare_read(m_display) == 0 && wl_display_read_events(m_display) < 0)
        return stop(std::strerror(wl_display_get_error(m_display)));
    if (wl_display_dispatch_pending(m_display) < 0)
        return stop(std::strerror(wl_display_get_error(m_display)));
    wl_display_flush(m_display);
}

void DataControl::stop(const char* why)
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_notifier->setEnabled(false);
    std::fprintf(
        stderr, "quillet: the Wayland clipboard connection ended (%s); copies are no longer seen\n",
        why);
}

void DataControl::selectionChanged(wl_proxy* offer)
{
    if (m_selection)
        destroyOffer(m_selection);
    m_selection = offer;
    ++m_serial;
    m_undelivered = true;
    // Older selections than our own write's are stale; wait for the last.
    if (m_ownWritesOnTheirWay == 0)
        deliver();
}

void DataControl::synced(wl_callback* callback)
{
    wl_callback_destroy(callback);
    if (--m_ownWritesOnTheirWay == 0 && m_undelivered)
        deliver();
}

void DataControl::deliver()
{
    m_undelivered = false;
    if (!m_handler)
        return;
    Offer offer;
    if (m_selection)
        offer.types = m_offerTypes[m_selection];
    offer.own = !m_ownMark.empty() &&
                std::find(offer.types.begin(), offer.types.end(), m_ownMark) != offer.types.end();
    offer.receive = [this, serial = m_serial](const std::string& type) {
        return receive(serial, type);
    };
    m_handler(offer);
}

int DataControl::receive(unsigned serial, const std::string& type)
{
    int fds[2];
    if (serial != m_serial || !m_selection || m_stopped || ::pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    request(m_selection, EXT_DATA_CONTROL_OFFER_V1_RECEIVE, nullptr, type.c_str(), fds[1]);
    wl_display_flush(m_display);
    ::close(fds[1]);
    return fds[0];
}

void DataControl::destroyOffer(wl_proxy* offer)
{
    m_offerTypes.erase(offer);
    destroy(offer);
}

void DataControl::setSelection(const std::vector<std::pair<std::string, QByteArray>>& contents)
{
    if (m_stopped)
        return;
    wl_proxy* source = nullptr;
    m_ownMark.clear();
    if (!contents.empty()) {
        source = request(m_manager, EXT_DATA_CONTROL_MANAGER_V1_CREATE_DATA_SOURCE,
                         m_sourceInterface, nullptr);
        Source& added = m_sources.emplace_back(Source{this, source, contents});
        // Tells our own selection from a copy of an older one.
        m_ownMark = "application/x-quillet-" + std::to_string(::getpid()) + '-' +
                    std::to_string(++m_writes);
        added.contents.emplace_back(m_ownMark, QByteArray());
        for (const auto& content : added.contents)
            request(source, EXT_DATA_CONTROL_SOURCE_V1_OFFER, nullptr, content.first.c_str());
        listen(source, Events::kSource, &added);
    }
    request(m_device, EXT_DATA_CONTROL_DEVICE_V1_SET_SELECTION, nullptr, source);
    ++m_ownWritesOnTheirWay;
    listen(reinterpret_cast<wl_proxy*>(wl_display_sync(m_display)), Events::kSync, this);
    wl_display_flush(m_display);
}

}  // namespace quillet::platform
