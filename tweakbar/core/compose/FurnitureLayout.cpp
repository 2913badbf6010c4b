#include "compose/FurnitureLayout.h"

#include <algorithm>

namespace tw {
namespace {

// Corners of this size resize the bar; the font button sits just inside the top left one.
constexpr int kCornerClearance = 8;
// The track lies this far inside the strip's left edge.
constexpr int kTrackInset = 3;

}  // namespace

void placeTitleButtons(BarLayout& layout, bool iconifiable, bool fontButton) {
    const Rect& title = layout.title;
    const int size = std::max(3, title.h - 4);
    // The iconify button leaves the top right corner's resize handle one row clear of it.
    layout.iconifyButton =
        iconifiable ? Rect{title.right() - layout.rowHeight - size, title.y + 2, size, size}
                    : Rect{};
    layout.fontButton =
        fontButton ? Rect{title.x + kCornerClearance, title.y + 2, size, size} : Rect{};
}

void placeColumnStrip(BarLayout& layout, const BarMetrics& metrics) {
    const Rect& content = layout.content;
    const int y = layout.title.bottom();
    const int height = metrics.rowsTop - metrics.titleHeight;
    const int grip = std::max(5, metrics.fontHeight / 2) | 1;
    layout.valuesGrip = {layout.valueX - grip / 2, y, grip, height};
    layout.fitLabels = {content.x, y, std::max(0, layout.valuesGrip.x - content.x), height};
    const int valuesFrom = layout.valuesGrip.right();
    layout.fitValues = {valuesFrom, y, std::max(0, content.right() - valuesFrom), height};
}

void placeScrollbar(BarLayout& layout, const BarMetrics& metrics) {
    const Rect& frame = layout.frame;
    const int top = layout.title.bottom();
    // From the title down to the line above the bottom edge.
    layout.strip = {frame.right() - 1 - metrics.stripWidth, top, metrics.stripWidth,
                    std::max(0, frame.bottom() - 1 - top)};
    if (!layout.scrollable) {
        layout.scrollTrack = layout.scrollUp = layout.scrollDown = Rect{};
        return;
    }
    const Rect& strip = layout.strip;
    const int trackTop = layout.content.y + metrics.trackTop;
    const int trackBottom = std::max(trackTop, frame.bottom() - metrics.trackBottom);
    layout.scrollTrack = {strip.x + kTrackInset, trackTop, metrics.trackWidth,
                          trackBottom - trackTop};
    layout.scrollUp = {strip.x, layout.content.y, strip.w, metrics.trackTop};
    layout.scrollDown = {strip.x, trackBottom, strip.w, metrics.trackTop};
}

void placeShortcutLine(BarLayout& layout, const BarMetrics& metrics) {
    const Rect& frame = layout.frame;
    const int x = layout.labelX - 1;
    layout.shortcutLine = {x, frame.bottom() - metrics.belowRows,
                           std::max(0, layout.content.right() - x), metrics.rowPitch};
}

}  // namespace tw
