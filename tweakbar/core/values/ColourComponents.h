// The numbers in a colour's component rows: its red, green, blue and alpha bytes, or the hue,
// lightness and saturation worked out from them, read and set one at a time.
#pragma once

#include "model/Control.h"

namespace tw {

class Context;

// What each component row below an opened colour shows (its Row::channel).
enum ColourComponent : int { kRed, kGreen, kBlue, kAlpha, kHue, kLightness, kSaturation };
// The row that reads RGB or HLS and switches between the two sets.
inline constexpr int kColourModeRow = -3;

const char* colourComponentName(int component);
// 359 for the hue, 255 for the others; all start at 0.
double colourComponentMax(int component);

// The whole number a component row shows.
double colourComponent(const Control& control, const unsigned char* raw, int component);
// Sets one component, rounded and clamped to its range. A hue, lightness or saturation is
// turned into red, green and blue at once; the other two of them keep their values.
void setColourComponent(const Control& control, unsigned char* raw, int component, double value);

// The components shown: hue, lightness and saturation, or red, green and blue. The Mode row
// changes it whether or not the colour is read-only: it changes how the colour is shown, not
// the colour.
void setColourMode(Context& context, Control& control, bool hls);
void toggleColourMode(Context& context, Control& control);

}  // namespace tw
