#pragma once
// The clipboard on a Wayland display through the data-control protocols: it
// sees every copy while the program has no focus, and its own copies reach
// native Wayland programs. Another program's text is read through pipes
// driven by the event loop and kept; text() gives it as last read. A
// connection that ends is made anew, and the selection then read again.

#include "platform/Clipboard.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace quillet::platform {

class DataControl;

class WaylandClipboard : public QObject, public Clipboard
{
public:
    // Null unless WAYLAND_DISPLAY names a display offering data-control.
    static std::unique_ptr<WaylandClipboard> connect();
    ~WaylandClipboard() override;

    std::u16string text() const override { return m_text; }
    void setText(const std::u16string& text) override;
    void clear() override;
    void setChangeHandler(std::function<void()> handler) override;

private:
    explicit WaylandClipboard(std::unique_ptr<DataControl> control);
    void watch(std::unique_ptr<DataControl> control);
    void write(const std::u16string& text);

    std::unique_ptr<DataControl> m_control;  // null while connecting again
    QTimer m_reconnect;
    QObject* m_reading = nullptr;  // parent of the newest selection's transfers
    std::function<void()> m_handler;
    std::u16string m_text;      // as last read or written
    unsigned m_generation = 0;  // counts changes, own writes included
};

}  // namespace quillet::platform
