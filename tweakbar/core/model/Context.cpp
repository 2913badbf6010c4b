#include "model/Context.h"

#include <algorithm>
#include <cmath>

#include "model/Engine.h"

namespace tw {
namespace {

// A clip that lets everything through, while the drawing area's size is not known.
constexpr int kHuge = 1 << 20;

constexpr int kFirstBarOffset = 16;
constexpr int kBarStagger = 24;
// After this many bars the staggering starts again from the top-left.
constexpr int kStaggerCycle = 16;

void configureHelpBar(Bar& help) {
    help.label = "~ Help & Shortcuts ~";
    help.isHelp = true;
    help.x = help.y = 32;
    help.width = 400;
    help.height = 200;
    help.iconified = true;
    help.color = {95, 95, 95};
    help.alpha = 160;
}

}  // namespace

namespace {

// One channel of a hue/lightness/saturation colour, all on 0..1.
double hlsChannel(double m1, double m2, double hue) {
    hue -= std::floor(hue);
    if (hue < 1.0 / 6) return m1 + (m2 - m1) * hue * 6;
    if (hue < 0.5) return m2;
    if (hue < 2.0 / 3) return m1 + (m2 - m1) * (2.0 / 3 - hue) * 6;
    return m1;
}

std::uint8_t toByte(double unit) {
    return std::uint8_t(std::lround(std::clamp(unit, 0.0, 1.0) * 255));
}

}  // namespace

BarLook defaultBarLook(int n, int colorScheme) {
    // A hue counter on 0..255 starts at 155 and drops by 16 per bar; the help bar took the
    // first step, so the bars callers make start one step further.
    const int hue = ((155 - 16 * (n + 1)) % 256 + 256) % 256;
    const bool old = colorScheme == 0;
    const double lightness = (old ? 180 : 80) / 255.0, saturation = 200 / 255.0;
    const double m2 = lightness <= 0.5 ? lightness * (1 + saturation)
                                       : lightness + saturation - lightness * saturation;
    const double m1 = 2 * lightness - m2;
    const double h = hue / 255.0;
    BarLook look;
    look.color = {toByte(hlsChannel(m1, m2, h + 1.0 / 3)), toByte(hlsChannel(m1, m2, h)),
                  toByte(hlsChannel(m1, m2, h - 1.0 / 3))};
    look.alpha = old ? 0xF0 : 64;
    look.darkText = old;
    return look;
}

Context::Context(std::unique_ptr<GraphBackend> graphBackend, double fontScaling)
    : backend(std::move(graphBackend)) {
    globals.fontScaling = fontScaling;
    configureHelpBar(createBar("TW_HELP"));
}

Context::~Context() = default;

Bar* Context::barAt(int index) const {
    if (index < 0 || index >= barCount()) return nullptr;
    return index < int(bars.size()) ? bars[std::size_t(index)].get() : popupBar.get();
}

Bar* Context::barNamed(const char* name) const {
    if (!name) return nullptr;
    if (popupBar && popupBar->name == name) return popupBar.get();
    for (const auto& bar : bars) {
        if (bar->name == name) return bar.get();
    }
    return nullptr;
}

Bar* Context::validate(const TwBar* bar) const {
    if (!bar) return nullptr;
    if (bar == popupBar.get()) return popupBar.get();
    for (const auto& candidate : bars) {
        if (candidate.get() == bar) return candidate.get();
    }
    return nullptr;
}

int Context::indexOf(const Bar* bar) const {
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (bars[i].get() == bar) return int(i);
    }
    return -1;
}

Bar& Context::createBar(const std::string& name) {
    auto bar = std::make_unique<Bar>();
    const int n = int(bars.size()) - 1;  // bars made by callers so far (-1 for the help bar)
    bar->name = name;
    bar->x = bar->y = kFirstBarOffset + kBarStagger * (std::max(n, 0) % kStaggerCycle);
    if (n >= 0) {
        const BarLook look = defaultBarLook(barsCreated++, globals.colorScheme);
        bar->color = look.color;
        bar->alpha = look.alpha;
        bar->darkText = look.darkText;
    }
    bar->fontSize = globals.fontSize;
    bar->contained = globals.contained;
    bar->buttonAlign = globals.buttonAlign;
    Bar& created = *bar;
    bars.push_back(std::move(bar));
    stacking.push_back(&created);
    structureChanged();
    return created;
}

void Context::deleteBar(Bar& bar) {
    if (&bar == input.popup.bar) closePopup();
    input.forget(&bar);
    for (const auto& control : bar.controls)
        input.forget(control.get());
    stacking.erase(std::remove(stacking.begin(), stacking.end(), &bar), stacking.end());
    const auto owned =
        std::find_if(bars.begin(), bars.end(), [&](const auto& b) { return b.get() == &bar; });
    if (owned != bars.end()) {
        retire(std::move(*owned));
        bars.erase(owned);
    }
    structureChanged();
}

void Context::removeControl(Bar& bar, Control& control) {
    std::vector<std::unique_ptr<Control>> taken;
    bar.detach(control, taken);
    bar.dropEmptyGroups(taken);
    for (auto& gone : taken) {
        input.forget(gone.get());
        retire(std::move(gone));
    }
    structureChanged();
}

void Context::removeGenerated(Bar& bar) {
    std::vector<std::unique_ptr<Control>> taken;
    for (bool found = true; found;) {
        found = false;
        for (const auto& control : bar.controls) {
            if (control->generated) {
                bar.detach(*control, taken);
                found = true;
                break;
            }
        }
    }
    for (auto& gone : taken) {
        input.forget(gone.get());
        retire(std::move(gone));
    }
}

void Context::setWindowSize(int width, int height) {
    sized = true;
    if (width == 0 || height == 0) {
        resourcesReleased = true;
        backend->resize(0, 0);
        return;
    }
    resourcesReleased = false;
    windowWidth = width;
    windowHeight = height;
    backend->resize(width, height);
    changed();
}

Rect drawingArea(const Context& context) {
    if (context.windowWidth > 0 && context.windowHeight > 0) {
        return {0, 0, context.windowWidth, context.windowHeight};
    }
    return {-kHuge, -kHuge, 2 * kHuge, 2 * kHuge};
}

void Context::sendToBack(Bar& bar) {
    if (!stacking.empty() && stacking.front() == &bar) return;
    stacking.erase(std::remove(stacking.begin(), stacking.end(), &bar), stacking.end());
    stacking.insert(stacking.begin(), &bar);
    repaint();
}

void Context::bringToFront(Bar& bar) {
    if (!stacking.empty() && stacking.back() == &bar) return;
    stacking.erase(std::remove(stacking.begin(), stacking.end(), &bar), stacking.end());
    stacking.push_back(&bar);
    repaint();
}

void Context::openPopup(Bar& bar, Control& control, int hovered, const Widget& widget) {
    input.popup = EnumPopup{};
    input.popup.bar = &bar;
    input.popup.control = &control;
    input.popup.widget = &widget;
    input.popup.hovered = hovered;
    if (!popupBar) {
        popupBar = std::make_unique<Bar>();
        popupBar->name = kPopupBarName;
    }
    repaint();
}

void Context::closePopup() {
    input.popup = EnumPopup{};
    // A caller may still hold the popup's bar pointer: it goes stale, never dangling.
    if (popupBar) retire(std::move(popupBar));
    repaint();
}

}  // namespace tw
