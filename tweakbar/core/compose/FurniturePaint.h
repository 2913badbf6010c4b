// The look of a bar's furniture: the title buttons, the corner handles and the column grip of
// the bar under the pointer, the scrollbar's arrow ends, and the shortcut line.
#pragma once

#include "draw/DisplayList.h"
#include "draw/Geometry.h"
#include "model/InputState.h"

namespace tw {

class Context;
class Painter;
struct FontFace;
struct Palette;

void paintFurniture(Painter& painter, const Context& context, const Bar& bar, const FontFace& face,
                    const Palette& palette);

// A triangle of whole pixels centred in a box, pointing up or down; returns the box it covers.
Rect paintArrowGlyph(Painter& painter, const Rect& box, bool up, PackedColor color);

// Marks the bars whose furniture looks different under the new hover state.
void repaintFurnitureOnHover(Context& context, const Hover& was, const Hover& now);

}  // namespace tw
