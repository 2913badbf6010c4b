// The rotoslider on a number row: started from the row's label or its [o] button, turned by
// dragging around its centre, and drawn over its bar while it turns (circle, the turn so far
// and the bounds).
#pragma once

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
class Painter;
struct Control;
struct Drag;

// Starts turning a number (or a channel) around (centreX, centreY).
void beginRotoSlider(Context& context, Bar& bar, Control& control, int channel, int centreX,
                     int centreY);
// The pointer at (x, y): the value follows the turn, written at once.
void dragRotoSlider(Context& context, Drag& drag, int x, int y);

// Draws the rotoslider when the drag turns a number of this bar; nothing otherwise.
void paintRotoSlider(Painter& painter, const Context& context, const Bar& bar);

// Which rotating cursor the pointer shows while the drag turns: by the pointer's angle.
int rotoSliderCursor(const Drag& drag, int x, int y);

}  // namespace tw
