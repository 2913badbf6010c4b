// Hue, lightness and saturation: the second way a colour's rows show it, converted to and from
// the red, green and blue bytes the variable holds.
#pragma once

#include "base/VarType.h"

namespace tw {

// Hue in degrees, 0 up to (not including) 360; lightness and saturation 0..255, the scale of
// the bytes. Kept fractional so that changing one of them leaves the others where they were.
struct Hls {
    double hue = 0, lightness = 0, saturation = 0;
};

// A grey has no hue: it reads 0.
Hls hlsOf(Rgba color);
// The red, green and blue bytes of an HLS colour, rounded; alpha is left as it was. Hues out
// of 0..360 wrap around the circle.
void setRgbFromHls(Rgba& color, const Hls& hls);

}  // namespace tw
