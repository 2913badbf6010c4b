// Where the bar's furniture goes around its rows: the title buttons, the strip with the values
// column's grip above the rows, the scrollbar strip with its track and arrow ends, and the
// shortcut line below the rows.
#pragma once

#include "look/Metrics.h"
#include "model/BarLayout.h"

namespace tw {

// Needs the frame and the title; the font button only when the font size may be cycled.
void placeTitleButtons(BarLayout& layout, bool iconifiable, bool fontButton);
// Needs the content and the values column.
void placeColumnStrip(BarLayout& layout, const BarMetrics& metrics);
// Needs the frame, the title and the content; the track and its ends only while the rows
// overflow.
void placeScrollbar(BarLayout& layout, const BarMetrics& metrics);
void placeShortcutLine(BarLayout& layout, const BarMetrics& metrics);

}  // namespace tw
