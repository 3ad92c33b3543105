#pragma once
// A screen of chosen size and density; 1024 x 768 at 96 DPI by default.

#include "platform/Screen.h"

namespace quillet::fakes {

class FakeScreen : public platform::Screen
{
public:
    FakeScreen(int width = 1024, int height = 768, double twipsX = 15.0, double twipsY = 15.0)
        : m_width(width), m_height(height), m_twipsX(twipsX), m_twipsY(twipsY)
    {
    }

    int widthPixels() const override { return m_width; }
    int heightPixels() const override { return m_height; }
    double twipsPerPixelX() const override { return m_twipsX; }
    double twipsPerPixelY() const override { return m_twipsY; }

private:
    int m_width, m_height;
    double m_twipsX, m_twipsY;
};

}  // namespace quillet::fakes
