// A colour variable in its bar: the swatch of the folded row, and, opened, one number row per
// component (red, green, blue, or hue, lightness, saturation; alpha when the colour has it)
// and the Mode row that switches between the two sets.
#pragma once

#include <vector>

#include "draw/Geometry.h"

namespace tw {

class Context;
class Painter;
struct Control;
struct Row;

// Appends the rows shown below an opened colour's heading.
void addColourRows(std::vector<Row>& rows, const Row& heading);
// The label of one of those rows.
const char* colourRowLabel(int channel);

bool isColourModeRow(const Row& row);

// The folded row's value: the colour filling its field, over a checker pattern that shows
// through when the colour has alpha. Leaves the painter's clip at clip.
void paintColourSwatch(Painter& painter, const Rect& field, const Rect& clip,
                       const Control& control);

}  // namespace tw
