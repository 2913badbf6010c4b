// The widget below an opened quaternion or direction row: a shaded sphere with the variable's
// axes turned by it, or one arrow along it, drawn with the bar into its segment; and the
// trackball drag that turns it.
#pragma once

#include "draw/Geometry.h"

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
class Painter;
struct BarLayout;
struct Control;
struct Drag;
struct FontFace;
struct Row;

// From the row's label indent to the right edge of the value column.
Rect rotationWidgetArea(const BarLayout& layout, const Row& row);

// A left press at (x, y) inside the widget's area starts turning the variable.
void beginRotationDrag(Context& context, Bar& bar, Control& control, const Rect& area, int x,
                       int y);
// The pointer at (x, y) during that drag: the turn from the press point applied to the
// orientation at the press, written to the variable.
void dragRotation(Context& context, const Drag& drag, int x, int y);

}  // namespace tw
