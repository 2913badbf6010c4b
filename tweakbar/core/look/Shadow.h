// The shadow that bars and open lists cast: three pixels beyond the right and bottom edges,
// fading outwards, from two pixels in from the top and left ends.
#pragma once

#include "draw/Geometry.h"

namespace tw {

class Painter;

// Paints it outside frame; the painter's clip must reach three pixels beyond the frame.
void paintShadow(Painter& painter, const Rect& frame);

}  // namespace tw
