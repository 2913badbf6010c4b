// How a quaternion's or direction's trackball looks, and how its variable maps onto the display,
// which the drag that turns it shares: a sphere shaded in eight coloured octants that turn with
// the variable, its three axes drawn through it with a cone at their positive ends and an x/y/z
// legend beside it; or, for a direction (and a quaternion with an arrow), one shaded arrow
// through the centre.
#pragma once

#include "draw/Geometry.h"
#include "widgets/Rotation.h"

namespace tw {

class Painter;
struct Control;

bool isQuaternion(const Control& control);
// Axes that name one display axis twice map nothing sensibly; the variable's axes are then
// drawn and turned as they are.
AxisMap axisMapOf(const Control& control);

// Paints the trackball into its area: the rows below its heading, from the label's indent to
// just inside the end of the value boxes. Its centre is the area's, its half-size half the
// area's height.
void paintTrackball(Painter& painter, const Rect& area, const Control& control);

}  // namespace tw
