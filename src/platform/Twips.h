#pragma once
// Window geometry is designed in twips, 1440 to the logical inch. Pixels are
// twips divided by the axis' twips-per-pixel factor, rounded half to even.

#include <cmath>

namespace quillet::platform {

inline constexpr double kTwipsPerInch = 1440.0;
// The factor of an ordinary 96 DPI screen, taken where the resolution is unknown.
inline constexpr double kFallbackTwipsPerPixel = 15.0;

// A resolution of 0 or less stands for an unknown one.
inline double twipsPerPixel(double logicalDotsPerInch)
{
    return logicalDotsPerInch > 0.0 ? kTwipsPerInch / logicalDotsPerInch : kFallbackTwipsPerPixel;
}

inline int twipsToPixels(double twips, double factor)
{
    if (!(factor > 0.0))
        return 0;
    const double exact = twips / factor;
    const double below = std::floor(exact);
    const double fraction = exact - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        return static_cast<int>(below) + 1;
    return static_cast<int>(below);
}

}  // namespace quillet::platform
