// The look of what the display list shows: a bar (its rows painted by their widgets), the icons
// of iconified bars (an open list is its widget's), and the veil over them while a list is
// open. Each paints into a list of its own (indices from 0), which becomes one segment of the
// display list.
#pragma once

#include <cstdint>

struct CTwBar;

namespace tw {

class Context;
class Painter;

// Where a painted bar left room for its feedback quads (Painter::reserveQuad).
struct BarSlots {
    std::uint32_t hover = 0, selection = 0, caret = 0;
    std::uint32_t rowButtons = 0;  // the first of a block of kRowButtonQuads
};

BarSlots paintBar(Painter& painter, const Context& context, const CTwBar& bar);
void paintIcons(Painter& painter, const Context& context);

}  // namespace tw
