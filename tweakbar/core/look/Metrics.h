// The figures a bar is laid out and drawn with, beside the colours of its palette: one table per
// font size, scaled by the font scaling, read by the layout, the painting, the hit tests and the
// help bar alike. The figures are those of the bars that callers' layouts were tuned for, so
// that a values column of a given width holds the same text here.
#pragma once

#include "model/BarLayout.h"

struct CTwBar;

namespace tw {

class Context;

struct BarMetrics {
    int fontHeight = 0;   // the text's cell, and a value box's height
    int rowPitch = 0;     // a value box and the line of body under it
    int titleHeight = 0;  // the title band; its first line is lighter
    int rowsTop = 0;      // from the bar's top to its first row (the gap holds the column strip)
    int belowRows = 0;    // from the rows' end to the bar's bottom: the shortcut line
    // From the bar's left edge to a label, by nesting level (groups and values alike).
    int labelIndents[kIndentLevels] = {};
    // From the bar's right edge to just past the value box: the scrollbar strip and its gap.
    int valuesInset = 0;
    int stripWidth = 0;  // the scrollbar strip along the right edge, always drawn
    // The scroll track inside the strip while rows overflow: its width, how far it starts
    // below the first row and how far it ends above the bar's bottom (the arrows take the
    // ends).
    int trackWidth = 0, trackTop = 0, trackBottom = 0;
    // Text keeps whole while every character but the last starts within the column less this.
    int cutRoom = 0;
    // A group's expander: its side, how far right it moves per level, its top in the row.
    int expanderSize = 0, expanderStep = 0, expanderTop = 0;
    int iconSize = 0;  // an iconified bar's square, inside a slot one font height wide
};

BarMetrics barMetrics(int fontSize, double fontScaling);
BarMetrics barMetrics(const CTwBar& bar, const Context& context);

// Where a value's text starts in its box, after the box's left edge.
inline constexpr int kValuePadding = 1;

// The nominal font height of a font size, from which a bar's fixed figures follow.
int fontHeight(int fontSize, double fontScaling);
// The smallest size a bar can take at a font size.
void minimumSize(int fontSize, double fontScaling, int& width, int& height);
// The values column width that follows the font size until the caller sets one (wider on
// the help bar, whose values are key names).
int defaultValuesWidth(const CTwBar& bar, double fontScaling);
// What the values column reads after "fit" until the next layout has fitted it.
inline constexpr int kValuesWidthFitPending = -5555;

}  // namespace tw
