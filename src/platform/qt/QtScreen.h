#pragma once
// Metrics of the primary screen through QScreen.

#include "platform/Screen.h"

namespace quillet::platform {

class QtScreen : public Screen
{
public:
    int widthPixels() const override;
    int heightPixels() const override;
    double twipsPerPixelX() const override;
    double twipsPerPixelY() const override;
};

}  // namespace quillet::platform
