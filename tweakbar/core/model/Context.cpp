#include "Context.h"

#include <algorithm>
#include <cmath>

#include "Engine.h"

namespace tw {
namespace {

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
    help.color = {60, 72, 88};
    help.alpha = 160;
}

}  // namespace

Rgb defaultBarColor(int n) {
    // Constant lightness and saturation (channels between 17 and 143), the hue stepping by a
    // sixteenth of the circle from one bar to the next.
    constexpr double lo = 17, hi = 143, span = hi - lo;
    double hue = std::fmod(196.0 - 22.5 * n, 360.0);
    if (hue < 0) hue += 360.0;
    const double f = std::fmod(hue, 60.0) / 60.0;
    double r, g, b;
    switch (int(hue / 60.0)) {
        case 0:
            r = hi, g = lo + f * span, b = lo;
            break;
        case 1:
            r = hi - f * span, g = hi, b = lo;
            break;
        case 2:
            r = lo, g = hi, b = lo + f * span;
            break;
        case 3:
            r = lo, g = hi - f * span, b = hi;
            break;
        case 4:
            r = lo + f * span, g = lo, b = hi;
            break;
        default:
            r = hi, g = lo, b = hi - f * span;
            break;
    }
    return {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

Context::Context(std::unique_ptr<GraphBackend> graphBackend) : backend(std::move(graphBackend)) {
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
    bar->color = defaultBarColor(std::max(n, 0));
    bar->fontSize = globals.fontSize;
    bar->contained = globals.contained;
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

void Context::bringToFront(Bar& bar) {
    if (!stacking.empty() && stacking.back() == &bar) return;
    stacking.erase(std::remove(stacking.begin(), stacking.end(), &bar), stacking.end());
    stacking.push_back(&bar);
    repaint();
}

void Context::sendToBack(Bar& bar) {
    if (!stacking.empty() && stacking.front() == &bar) return;
    stacking.erase(std::remove(stacking.begin(), stacking.end(), &bar), stacking.end());
    stacking.insert(stacking.begin(), &bar);
    repaint();
}

void Context::openPopup(Bar& bar, Control& control, int hovered) {
    input.popup = EnumPopup{};
    input.popup.bar = &bar;
    input.popup.control = &control;
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
