#pragma once
// Keeping windows above all others. The flag is changed on the existing
// native window: the window is neither recreated nor activated, so the
// program the user works in keeps the keyboard focus.

class QWidget;

namespace quillet::shell {

// Puts the window above every window that is not itself topmost, where it is.
void pinOnTop(QWidget& window);

// Topmost on, or back to an ordinary window.
void setTopmost(QWidget& window, bool on);

bool isTopmost(const QWidget& window);

}  // namespace quillet::shell
