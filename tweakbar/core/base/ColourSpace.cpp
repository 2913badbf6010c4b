#include "base/ColourSpace.h"

#include <algorithm>
#include <cmath>

namespace tw {
namespace {

// One channel of an HLS colour: a trapezoid around the circle of hues, low at m1 and high at
// m2, rising over the 60 degrees before the plateau and falling over the 60 after it.
double hueChannel(double m1, double m2, double hue) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0) hue += 360;
    if (hue < 60) return m1 + (m2 - m1) * hue / 60;
    if (hue < 180) return m2;
    if (hue < 240) return m1 + (m2 - m1) * (240 - hue) / 60;
    return m1;
}

std::uint8_t toByte(double unit) {
    return std::uint8_t(std::lround(std::clamp(unit, 0.0, 1.0) * 255));
}

}  // namespace

Hls hlsOf(Rgba color) {
    const double r = color.r / 255.0, g = color.g / 255.0, b = color.b / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    const double lightness = (high + low) / 2;
    Hls hls;
    hls.lightness = lightness * 255;
    const double range = high - low;
    if (range <= 0) return hls;
    const double saturation = lightness <= 0.5 ? range / (high + low) : range / (2 - high - low);
    hls.saturation = saturation * 255;
    double sector = 0;  // sixths of the circle from red
    if (color.r == std::max({color.r, color.g, color.b})) {
        sector = (g - b) / range;
    } else if (color.g == std::max({color.r, color.g, color.b})) {
        sector = 2 + (b - r) / range;
    } else {
        sector = 4 + (r - g) / range;
    }
    hls.hue = sector * 60;
    if (hls.hue < 0) hls.hue += 360;
    return hls;
}

void setRgbFromHls(Rgba& color, const Hls& hls) {
    const double lightness = std::clamp(hls.lightness / 255, 0.0, 1.0);
    const double saturation = std::clamp(hls.saturation / 255, 0.0, 1.0);
    const double m2 = lightness <= 0.5 ? lightness * (1 + saturation)
                                       : lightness + saturation - lightness * saturation;
    const double m1 = 2 * lightness - m2;
    color.r = toByte(hueChannel(m1, m2, hls.hue + 120));
    color.g = toByte(hueChannel(m1, m2, hls.hue));
    color.b = toByte(hueChannel(m1, m2, hls.hue - 120));
}

}  // namespace tw
