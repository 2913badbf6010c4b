// The system cursors of the engine's cursor shapes; the rotoslider's twelve rotating arrows are
// drawn at run time, once, on first use.
#pragma once

#include <windows.h>

#include "input/PointerCursor.h"

namespace tw {

// Null for CursorShape::Game: the game keeps its cursor.
HCURSOR systemCursor(const PointerCursor& cursor);

}  // namespace tw
