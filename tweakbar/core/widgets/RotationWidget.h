// The widget of quaternions and directions: their heading row and, opened, a trackball below
// it (a sphere in coloured octants with the variable's axes through it, or one arrow along it:
// widgets/TrackballPaint.h) that a drag turns like a ball; with showval, their components as
// number rows after it.
#pragma once

#include "draw/Geometry.h"

namespace tw {

struct BarLayout;
struct Row;

// Where the trackball of its row lies: from the row's label indent to three pixels short of the
// value boxes' end.
Rect rotationWidgetArea(const BarLayout& layout, const Row& row);

}  // namespace tw
