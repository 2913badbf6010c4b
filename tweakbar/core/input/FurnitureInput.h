// What presses and drags on a bar's furniture do: the font button, the values column's grip
// and the strips that fit a column, the scrollbar's arrows and track.
#pragma once

#include "model/InputState.h"

namespace tw {

class Context;

// Steps the engine's font size up (1) or down (-1), from large round to small and back, as
// the GLOBAL fontsize parameter would set it.
void cycleFontSize(Context& context, int direction);

// The values column's left edge follows the pointer from where the grip was pressed.
void dragValuesGrip(Context& context, const Drag& drag, int x);

// The values column leaves the labels just the room the widest of them needs.
void fitLabelsColumn(Context& context, Bar& bar);
// The values column becomes as wide as the widest value.
void fitValuesColumn(Context& context, Bar& bar);

void scrollRows(Context& context, Bar& bar, int rows);

}  // namespace tw
