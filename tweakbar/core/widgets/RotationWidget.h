// The widget of quaternions and directions: their heading row and, opened, a trackball below
// it (a shaded sphere with the variable's axes turned by it, or one arrow along it) that a drag
// turns like a ball; with showval, their components as number rows after it.
#pragma once

#include "draw/Geometry.h"

namespace tw {

struct BarLayout;
struct Row;

// Where the trackball of its row lies: from the row's label indent to the right edge of the
// value column.
Rect rotationWidgetArea(const BarLayout& layout, const Row& row);

}  // namespace tw
