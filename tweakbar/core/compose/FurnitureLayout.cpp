#include "compose/FurnitureLayout.h"

#include <algorithm>

#include "look/Metrics.h"

namespace tw {
namespace {

// Corners of this size resize the bar; the font button sits just inside the top left one.
constexpr int kCornerClearance = 8;

}  // namespace

void placeTitleButtons(BarLayout& layout, bool iconifiable, bool fontButton) {
    const Rect& title = layout.title;
    const int size = title.h - 6;
    // The iconify button leaves the top right corner's resize handle one row clear of it.
    layout.iconifyButton =
        iconifiable ? Rect{title.right() - layout.rowHeight - size, title.y + 3, size, size}
                    : Rect{};
    layout.fontButton =
        fontButton ? Rect{title.x + kCornerClearance, title.y + 3, size, size} : Rect{};
}

void placeColumnStrip(BarLayout& layout, const FontFace& face) {
    const Rect& content = layout.content;
    const int height = fitStripHeight(face);
    const int y = content.y - height;
    const int grip = std::max(5, face.lineHeight / 2) | 1;
    layout.valuesGrip = {layout.valueX - grip / 2, y, grip, height};
    layout.fitLabels = {content.x, y, std::max(0, layout.valuesGrip.x - content.x), height};
    const int valuesFrom = layout.valuesGrip.right();
    layout.fitValues = {valuesFrom, y, std::max(0, content.right() - valuesFrom), height};
}

void placeScrollArrows(BarLayout& layout) {
    Rect& track = layout.scrollTrack;
    // Arrow ends are square; the thumb keeps at least the track's width between them.
    const int end = std::min(track.w, std::max(0, (track.h - track.w) / 2));
    layout.scrollUp = {track.x, track.y, track.w, end};
    layout.scrollDown = {track.x, track.bottom() - end, track.w, end};
    track = {track.x, track.y + end, track.w, track.h - 2 * end};
}

void placeShortcutLine(BarLayout& layout, const FontFace& face) {
    const Rect& frame = layout.frame;
    layout.shortcutLine = {layout.content.x, frame.bottom() - belowRowsHeight(face),
                           frame.right() - layout.content.x - (layout.content.x - frame.x),
                           face.lineHeight};
}

}  // namespace tw
