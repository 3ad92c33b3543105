#include "platform/wayland/DataControl.h"

#include "ext-data-control-v1-client.h"
#include "platform/wayland/PipeTransfer.h"
#include "wlr-data-control-unstable-v1-client.h"

#include <QPointer>
#include <QSocketNotifier>
#include <QtGlobal>

#include <wayland-client.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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

// Objects destroyed at once when requests drain: half of libwayland's buffer.
constexpr std::size_t kDestroyBatch = 256;

// Socket reads in one dispatch, each at most libwayland's buffer.
constexpr int kReadsAtOnce = 64;

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
            source->owner->release(proxy);
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

    const int fd = wl_display_get_fd(control->m_display);
    control->m_reader = new QSocketNotifier(fd, QSocketNotifier::Read, control.get());
    QObject::connect(control->m_reader, &QSocketNotifier::activated, control.get(),
                     [c = control.get()] { c->dispatch(); });
    control->m_writer = new QSocketNotifier(fd, QSocketNotifier::Write, control.get());
    control->m_writer->setEnabled(false);
    QObject::connect(control->m_writer, &QSocketNotifier::activated, control.get(),
                     [c = control.get()] { c->drained(); });
    // A reader that closes its pipe early must cost a write error, not the
    // process.
    std::signal(SIGPIPE, SIG_IGN);
    return control;
}

DataControl::~DataControl()
{
    delete m_reader;
    delete m_writer;
    if (!m_display)
        return;
    for (const auto& offer : m_offerTypes) destroy(offer.first);
    for (wl_proxy* proxy : m_unreleased) destroy(proxy);
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

void DataControl::setEndHandler(std::function<void(const char* why)> handler)
{
    m_endHandler = std::move(handler);
}

void DataControl::dispatch()
{
    // Events are read while they come, up to a bound: one read a turn of the
    // event loop falls behind a flood, and a compositor whose buffer for this
    // client overflows drops the connection.
    pollfd more{wl_display_get_fd(m_display), POLLIN, 0};
    for (int reads = 0; reads < kReadsAtOnce && !m_stopped; ++reads) {
        // Only this thread reads the connection, so a read is always prepared.
        if (wl_display_prepare_read(m_display) == 0 && wl_display_read_events(m_display) < 0)
            return stop(std::strerror(wl_display_get_error(m_display)));
        if (wl_display_dispatch_pending(m_display) < 0)
            return stop(std::strerror(wl_display_get_error(m_display)));
        if (::poll(&more, 1, 0) != 1)
            break;
    }
    // A burst brings many selections at once: only the newest is read.
    deliverIfDue();
    flush();
}

// False when requests wait for the compositor, or the connection ended.
bool DataControl::flush()
{
    if (m_stopped || m_waiting)
        return false;
    if (wl_display_flush(m_display) >= 0)
        return true;
    if (errno != EAGAIN) {
        stop(std::strerror(errno));
        return false;
    }
    m_waiting = true;
    m_writer->setEnabled(true);
    return false;
}

// The socket takes requests again. libwayland's buffer is empty once a flush
// succeeds; the objects let go of meanwhile are destroyed a batch at a time.
void DataControl::drained()
{
    while (wl_display_flush(m_display) >= 0) {
        if (m_unreleased.empty()) {
            m_waiting = false;
            m_writer->setEnabled(false);
            if (m_unsent)
                sendSelection();
            deliverIfDue();
            return;
        }
        const auto batch = m_unreleased.end() - std::min(m_unreleased.size(), kDestroyBatch);
        std::for_each(batch, m_unreleased.end(), [](wl_proxy* proxy) { destroy(proxy); });
        m_unreleased.erase(batch, m_unreleased.end());
    }
    if (errno != EAGAIN)
        stop(std::strerror(errno));
}

void DataControl::stop(const char* why)
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_reader->setEnabled(false);
    m_writer->setEnabled(false);
    if (m_endHandler)
        m_endHandler(why);
}

void DataControl::selectionChanged(wl_proxy* offer)
{
    if (m_selection)
        destroyOffer(m_selection);
    m_selection = offer;
    ++m_serial;
    m_undelivered = true;
}

void DataControl::synced(wl_callback* callback)
{
    wl_callback_destroy(callback);
    --m_ownWritesOnTheirWay;
}

void DataControl::deliverIfDue()
{
    // Older selections than our own write's are stale; wait for the last.
    if (m_undelivered && m_ownWritesOnTheirWay == 0 && !m_waiting && !m_stopped)
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
    // The reader may outlive this object, as when the connection is made anew.
    offer.receive = [self = QPointer(this), serial = m_serial](const std::string& type) {
        return self ? self->receive(serial, type) : -1;
    };
    m_handler(offer);
}

int DataControl::receive(unsigned serial, const std::string& type)
{
    int fds[2];
    if (serial != m_serial || ::pipe2(fds, O_CLOEXEC) != 0)
        return -1;
    const bool asked = receiveInto(type, fds[1]);
    ::close(fds[1]);
    if (asked)
        return fds[0];
    ::close(fds[0]);
    return -1;
}

bool DataControl::receiveInto(const std::string& type, int fd)
{
    if (!m_selection || m_stopped || m_waiting)
        return false;
    request(m_selection, EXT_DATA_CONTROL_OFFER_V1_RECEIVE, nullptr, type.c_str(), fd);
    flush();
    return true;
}

void DataControl::destroyOffer(wl_proxy* offer)
{
    m_offerTypes.erase(offer);
    release(offer);
}

void DataControl::release(wl_proxy* offerOrSource)
{
    if (m_waiting)
        m_unreleased.push_back(offerOrSource);
    else
        destroy(offerOrSource);
}

bool DataControl::setSelection(const std::vector<std::pair<std::string, QByteArray>>& contents)
{
    if (m_stopped)
        return false;
    m_unsent = contents;
    if (m_waiting)
        return false;
    sendSelection();
    return true;
}

void DataControl::sendSelection()
{
    const auto contents = std::move(*m_unsent);
    m_unsent.reset();
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
    flush();
}

}  // namespace quillet::platform
