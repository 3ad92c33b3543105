#include "shell/WindowLayering.h"

#include <QWidget>
#include <QWindow>

namespace quillet::shell {

void setTopmost(QWidget& window, bool on)
{
    QWindow* handle = window.windowHandle();
    if (handle == nullptr) {
        // Not created yet: the flag is simply part of the window it will get.
        window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    // QWidget::setWindowFlag() on a created window would destroy and recreate
    // it (hiding it on the way); the widget's copy of the flags is only
    // brought in line with what the native window now has.
    window.overrideWindowFlags(window.windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

void pinOnTop(QWidget& window)
{
    setTopmost(window, true);
}

bool isTopmost(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    if (handle != nullptr)
        return handle->flags().testFlag(Qt::WindowStaysOnTopHint);
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

}  // namespace quillet::shell
