// The cursor the pointer's place calls for (widgets/Widget.h has the shapes): the drag in
// progress, the furniture under the pointer, or what the row there says. The window adapter
// turns it into a system cursor.
#pragma once

#include "widgets/Widget.h"

namespace tw {

// Takes the engine lock.
PointerCursor pointerCursor();

}  // namespace tw
