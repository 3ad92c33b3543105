#pragma once
// A Wayland display's selection through a data-control protocol, over a
// connection of its own: a client of it sees and sets the clipboard without
// having the keyboard focus. Its events are dispatched from the Qt event loop.
// libwayland holds only a few kilobytes and 28 descriptors of requests the
// socket did not take: while they wait for the compositor to read them, no
// other request is written, so a burst of selections cannot overflow them.

#include "platform/wayland/OfferText.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QSocketNotifier;
struct wl_callback;
struct wl_display;
struct wl_interface;
struct wl_proxy;

namespace quillet::platform {

class DataControl : public QObject
{
public:
    enum class Protocol { None, Ext, Wlr };
    // The standard protocol where offered, else the wlroots one; None without
    // either or without a seat.
    static Protocol chooseProtocol(const std::vector<std::string>& globals);

    // Null unless WAYLAND_DISPLAY names a display that offers a protocol.
    static std::unique_ptr<DataControl> connect();
    ~DataControl() override;

    struct Offer
    {
        std::vector<std::string> types;  // empty: the selection was cleared
        bool own = false;                // set by this object's latest setSelection
        ReceiveType receive;             // -1 once a newer selection came
    };
    // Called with the newest selection once the events that came together
    // are dispatched, and while our own selection is on its way not before it
    // has come back: of a burst, only the last.
    void setSelectionHandler(std::function<void(const Offer&)> handler);

    // Called once, with the reason, if the connection ends; the object then
    // does nothing more, and only a new connect() sees the selection again.
    void setEndHandler(std::function<void(const char* why)> handler);

    // Offers each (type, bytes) as the selection, served until another
    // selection replaces it; no contents clear the selection. False while
    // requests wait for the compositor: the selection is set once they are
    // read, unless a later call's replaces it first.
    bool setSelection(const std::vector<std::pair<std::string, QByteArray>>& contents);

    // Asks the current selection's owner to write `type` into `fd`, which
    // stays the caller's. False without a selection, or while requests wait
    // for the compositor: ask again later.
    bool receiveInto(const std::string& type, int fd);

private:
    struct Source
    {
        DataControl* owner;
        wl_proxy* proxy;
        std::vector<std::pair<std::string, QByteArray>> contents;
    };
    struct Events;

    DataControl() = default;
    void synced(wl_callback* callback);
    void dispatch();
    bool flush();
    void drained();
    void stop(const char* why);
    void selectionChanged(wl_proxy* offer);
    void deliverIfDue();
    void deliver();
    void sendSelection();
    int receive(unsigned serial, const std::string& type);
    void destroyOffer(wl_proxy* offer);
    void release(wl_proxy* offerOrSource);

    wl_display* m_display = nullptr;
    wl_proxy* m_seat = nullptr;
    wl_proxy* m_manager = nullptr;
    wl_proxy* m_device = nullptr;
    const wl_interface* m_sourceInterface = nullptr;
    QSocketNotifier* m_reader = nullptr;
    QSocketNotifier* m_writer = nullptr;  // enabled while requests wait
    bool m_waiting = false;               // for the compositor to read requests
    bool m_stopped = false;

    std::map<wl_proxy*, std::vector<std::string>> m_offerTypes;
    std::vector<wl_proxy*> m_unreleased;  // to destroy once requests drain
    wl_proxy* m_selection = nullptr;      // the current selection's offer
    unsigned m_serial = 0;                // counts selections
    bool m_undelivered = false;
    int m_ownWritesOnTheirWay = 0;
    unsigned m_writes = 0;
    std::string m_ownMark;  // a type only our latest source offers
    std::list<Source> m_sources;
    std::optional<std::vector<std::pair<std::string, QByteArray>>> m_unsent;
    std::function<void(const Offer&)> m_handler;
    std::function<void(const char*)> m_endHandler;
};

}  // namespace quillet::platform
