#include "values/ColourComponents.h"

#include <algorithm>
#include <cmath>

#include "model/Context.h"
#include "values/Parts.h"

namespace tw {
namespace {

bool sameRgb(Rgba a, Rgba b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// What was last set through the rows while the variable still holds the colour it gave; the
// bytes' own reading otherwise.
Hls shownHls(const Control& control, Rgba color) {
    const HlsMemory& memory = control.hlsMemory;
    if (memory.set && sameRgb(memory.rgb, color)) return memory.hls;
    return hlsOf(color);
}

double& hlsPart(Hls& hls, int component) {
    if (component == kHue) return hls.hue;
    return component == kLightness ? hls.lightness : hls.saturation;
}

}  // namespace

const char* colourComponentName(int component) {
    static constexpr const char* kNames[] = {"Red", "Green",     "Blue",      "Alpha",
                                             "Hue", "Lightness", "Saturation"};
    return kNames[std::clamp(component, 0, int(kSaturation))];
}

double colourComponentMax(int component) {
    return component == kHue ? 359 : 255;
}

double colourComponent(const Control& control, const unsigned char* raw, int component) {
    const Rgba color = readColor(control.typeInfo, raw);
    if (component <= kAlpha) return channel(color, component);
    Hls hls = shownHls(control, color);
    const double value = std::round(hlsPart(hls, component));
    // A hue just below a full turn is red again.
    return component == kHue && value >= 360 ? 0 : value;
}

void setColourComponent(const Control& control, unsigned char* raw, int component, double value) {
    const double whole = std::clamp(std::round(value), 0.0, colourComponentMax(component));
    Rgba color = readColor(control.typeInfo, raw);
    if (component <= kAlpha) {
        setChannel(color, component, std::uint8_t(whole));
        writeColor(control.typeInfo, raw, color);
        return;
    }
    // The other two keep the whole numbers their rows show.
    Hls hls = shownHls(control, color);
    for (int part : {kHue, kLightness, kSaturation})
        hlsPart(hls, part) = std::round(hlsPart(hls, part));
    hlsPart(hls, component) = whole;
    setRgbFromHls(color, hls);
    writeColor(control.typeInfo, raw, color);
    control.hlsMemory = {true, color, hls};
}

void setColourMode(Context& context, Control& control, bool hls) {
    control.hlsMode = hls;
    showColourParts(control);
    context.structureChanged();
}

void toggleColourMode(Context& context, Control& control) {
    setColourMode(context, control, !control.hlsMode);
}

}  // namespace tw
