// Editing the text of an open field: the caret and the selection, typing, erasing, and copy
// and paste through the clipboard. Moving the caret or the selection changes only feedback;
// a change of the text (or of how far it is scrolled) repaints the field's bar.
#pragma once

#include <cstddef>

namespace tw {

class Context;
struct KeyPress;

// The keys of an open field: arrows, Home and End (Shift extends the selection), Backspace and
// Delete, Ctrl+C or Ctrl+Insert to copy, Ctrl+V or Shift+Insert to paste, Return (and Tab) to
// commit, Escape to cancel. Other keys do nothing while the field is open.
void editKey(Context& context, const KeyPress& press);
// A typed character replaces the selection.
void editChar(Context& context, unsigned char c);
// A press (extend: with Shift, or a drag) at x puts the caret at the nearest character boundary.
void placeCaret(Context& context, int x, bool extend);
// Scrolls the field so that the caret is inside its visible part.
void scrollToCaret(Context& context);

}  // namespace tw
