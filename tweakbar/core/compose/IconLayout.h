// Where iconified bars sit: squares gathered at one corner of the drawing area, stacked along
// one direction and wrapping to a new column (or row) at the far edge.
#pragma once

#include "model/Context.h"

namespace tw {

struct IconArea {
    IconCorner corner = IconCorner::BottomLeft;
    bool vertical = true;
    int marginX = 0, marginY = 0;
    int width = 0, height = 0;  // the drawing area; 0 while unknown, and then no wrapping
    int size = 0;               // an icon's side
};

inline constexpr int kIconSpacing = 4;

// The square of the n-th slot, counted from the corner.
Rect iconSlotRect(const IconArea& area, int slot);

// Each visible iconified bar keeps the slot it holds; one iconified since takes the lowest
// free slot, so restoring a bar leaves a gap instead of moving the others.
void assignIconSlots(Context& context);

// Assigns the slots and places every icon.
void layoutIcons(Context& context);

}  // namespace tw
