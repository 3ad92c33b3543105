#pragma once
// The frame of a window whose size is fixed: a caption, the window menu,
// minimise and close, and no maximise button, which could only add empty
// space (Qt draws its own Wayland frames by these flags too).

#include <Qt>

namespace quillet::widgets {

inline constexpr Qt::WindowFlags kFixedSizeWindow =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace quillet::widgets
