#pragma once
// A 1280 x 1024 screen at 96 DPI.

#include "platform/Screen.h"

namespace quillet::fakes {

class FakeScreen : public platform::Screen
{
public:
    int widthPixels() const override { return 1280; }
    int heightPixels() const override { return 1024; }
    double twipsPerPixelX() const override { return 15.0; }
    double twipsPerPixelY() const override { return 15.0; }
};

}  // namespace quillet::fakes
