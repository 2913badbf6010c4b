// Where everything of a bar goes on screen, computed from the bar's parameters and the font
// metrics into the bar's layout (model/BarLayout.h), which the drawing, the hit tests of input
// and the parameters that report what the user did all read.
#pragma once

#include "draw/FontAtlas.h"
#include "draw/Geometry.h"
#include "model/BarLayout.h"

struct CTwBar;

namespace tw {

class Context;

// The place and size a bar is drawn at: its own, raised to the minimum size and, when it is
// contained, moved and shrunk into the drawing area.
Rect constrainedFrame(const CTwBar& bar, const Context& context);

// Recomputes the layout of every bar and of the icons.
void layoutAll(Context& context);

}  // namespace tw
