#pragma once
// Metrics of the primary screen. Geometry of the windows is designed in twips,
// 1440 to the logical inch.

namespace quillet::platform {

class Screen
{
public:
    virtual ~Screen() = default;
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
    // 1440 / logical DPI of the axis: 15 at 96 DPI.
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
};

}  // namespace quillet::platform
