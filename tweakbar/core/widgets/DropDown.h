// The list an enum row opens: where it lies (below its row, or above it when the window has
// more room there, with a scrollbar when the entries do not fit), how it looks, and what the
// pointer and the keys do to it while it is open. The enum row is the widget that opens it.
#pragma once

#include "draw/Geometry.h"

namespace tw {

class Context;

struct DropDownPlace {
    Rect frame;         // the whole list; empty while no list is shown
    Rect entries;       // the column the entry lines fill, left of the scrollbar
    int pitch = 0;      // one entry's height: a row of its bar
    int first = 0;      // the first entry shown
    int shown = 0;      // how many entries fit
    Rect track, thumb;  // the scrollbar; empty when every entry fits
    Rect entry(int index) const {
        return {entries.x, entries.y + (index - first) * pitch, entries.w, pitch};
    }
};

// The bars' layout must be current: the list hangs from its row as laid out.
DropDownPlace dropDownPlace(const Context& context);

}  // namespace tw
