// The list an enum row opens: where it lies (below its row, or above it when the window has
// more room there, with a scrollbar when the entries do not fit), how it and the veil over the
// other bars look, and what the pointer and the keys do to it while it is open.
#pragma once

#include "draw/Geometry.h"

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
class Painter;
struct Control;
struct Drag;

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

// Opens the list of an enum's entries, with the current one highlighted.
void openEnumList(Context& context, Bar& bar, Control& control);

// The bars' layout must be current: the list hangs from its row as laid out.
DropDownPlace dropDownPlace(const Context& context);
// The entry shown at a point, or -1 (padding, scrollbar, outside).
int dropDownEntryAt(const DropDownPlace& place, int x, int y);

void paintDropDown(Painter& painter, const Context& context);
// While a list is shown, every bar but the list's own one, and every icon, is darkened.
void paintVeil(Painter& painter, const Context& context, const Bar& bar, const Rect& area);

// A left press inside the open list: an entry is picked and the list closes; the scrollbar's
// thumb starts a drag and its track scrolls one entry.
void pressDropDown(Context& context, int x, int y);
void dragDropDownThumb(Context& context, const Drag& drag, int y);
// The pointer over the list highlights the entry under it.
void hoverDropDown(Context& context, int x, int y);
// Entries toward the end (rows > 0) or the start.
void scrollDropDown(Context& context, int rows);
// Up and Down move the highlight (scrolling it into view), Return picks it, Escape closes the
// list. With apply false only says whether the list takes the key.
bool dropDownKey(Context& context, int key, bool apply);
// Scrolls the open list so that its highlighted entry is shown.
void revealDropDownHighlight(Context& context);

}  // namespace tw
