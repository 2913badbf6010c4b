// Where the bar's furniture goes around its rows: the title buttons, the strip with the values
// column's grip above the rows, the scrollbar's arrow ends and the shortcut line below the rows.
#pragma once

#include "draw/FontAtlas.h"
#include "model/BarLayout.h"

namespace tw {

// Needs the frame and the title; the font button only when the font size may be cycled.
void placeTitleButtons(BarLayout& layout, bool iconifiable, bool fontButton);
// Needs the content, the values column and the scroll track spanning the rows' height.
void placeColumnStrip(BarLayout& layout, const FontFace& face);
void placeScrollArrows(BarLayout& layout);
void placeShortcutLine(BarLayout& layout, const FontFace& face);

}  // namespace tw
