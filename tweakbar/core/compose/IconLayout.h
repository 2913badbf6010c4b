// Where iconified bars sit: slots one font height square, side by side from one corner of the
// drawing area along one direction and wrapping to a new column (or row) at the far edge. An
// icon's square is drawn inside its slot (IconLayout keeps the slot, which the pointer hits).
#pragma once

#include "model/Context.h"

namespace tw {

struct IconArea {
    IconCorner corner = IconCorner::BottomLeft;
    bool vertical = true;
    int marginX = 0, marginY = 0;
    int width = 0, height = 0;  // the drawing area; 0 while unknown, and then no wrapping
    int size = 0;               // a slot's side
};

// The square of the n-th slot, counted from the corner.
Rect iconSlotRect(const IconArea& area, int slot);

// Each visible iconified bar keeps the slot it holds; one iconified since takes the lowest
// free slot, so restoring a bar leaves a gap instead of moving the others.
void assignIconSlots(Context& context);

// Assigns the slots and places every icon.
void layoutIcons(Context& context);

}  // namespace tw
