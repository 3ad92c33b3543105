#pragma once
// A screen of chosen size and density; 1024 x 768 at 96 DPI by default.

#include "platform/Screen.h"

namespace quillet::fakes {

class FakeScreen : public platform::Screen
{
public:
    FakeScreen() = default;
    FakeScreen(int width, int height, double twipsPerPixelX = 15.0, double twipsPerPixelY = 15.0)
        : m_width(width), m_height(height), m_twipsX(twipsPerPixelX), m_twipsY(twipsPerPixelY)
    {
    }

    int widthPixels() const override { return m_width; }
    int heightPixels() const override { return m_height; }
    double twipsPerPixelX() const override { return m_twipsX; }
    double twipsPerPixelY() const override { return m_twipsY; }

private:
    int m_width = 1024;
    int m_height = 768;
    double m_twipsX = 15.0;
    double m_twipsY = 15.0;
};

}  // namespace quillet::fakes
