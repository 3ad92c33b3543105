#pragma once
// A Wayland display's selection through a data-control protocol, over a
// connection of its own: a client of it sees and sets the clipboard without
// having the keyboard focus. Its events are dispatched from the Qt event loop.

#include "platform/wayland/OfferText.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <list>
#include <map>
#include <memory>
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
    // Called with each new selection; of a burst that arrives while our own
    // selection is on its way, only the last.
    void setSelectionHandler(std::function<void(const Offer&)> handler);

    // Offers each (type, bytes) as the selection, served until another
    // selection replaces it; no contents clear the selection.
    void setSelection(const std::vector<std::pair<std::string, QByteArray>>& contents);

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
    void stop(const char* why);
    void selectionChanged(wl_proxy* offer);
    void deliver();
    int receive(unsigned serial, const std::string& type);
    void destroyOffer(wl_proxy* offer);

    wl_display* m_display = nullptr;
    wl_proxy* m_seat = nullptr;
    wl_proxy* m_manager = nullptr;
    wl_proxy* m_device = nullptr;
    const wl_interface* m_sourceInterface = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    bool m_stopped = false;

    std::map<wl_proxy*, std::vector<std::string>> m_offerTypes;
    wl_proxy* m_selection = nullptr;  // the current selection's offer
    unsigned m_serial = 0;            // counts selections
    bool m_undelivered = false;
    int m_ownWritesOnTheirWay = 0;
    unsigned m_writes = 0;
    std::string m_ownMark;  // a type only our latest source offers
    std::list<Source> m_sources;
    std::function<void(const Offer&)> m_handler;
};

}  // namespace quillet::platform
