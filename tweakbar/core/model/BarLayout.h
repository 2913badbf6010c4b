// Where everything of a bar lies on screen, as the layout last placed it: its frame, title,
// furniture and rows. The drawing, the hit tests of input, the widgets and the parameters that
// report what the user did all read this one layout.
#pragma once

#include <vector>

#include "draw/Geometry.h"

struct CTwBar;

namespace tw {

struct Control;
class Widget;

enum class RowKind { Variable, Channel, Button, Text, Separator, Group, Widget };

// The channel of the row a quaternion's or direction's widget occupies below its heading.
inline constexpr int kWidgetRow = -2;

struct Row {
    RowKind kind = RowKind::Variable;
    Control* control = nullptr;
    int channel = -1;  // the colour channel of a Channel row; kWidgetRow for a widget
    int depth = 0;     // group nesting
    Rect rect;         // set for the rows shown
    // What the row is to the engine: how it paints and what input does to it
    // (widgets/Widget.h). Never null in a laid-out bar.
    const Widget* widget = nullptr;
    const char* label = nullptr;  // a part row's own label ("Red", "Quat X"); null: the control's
};

// Nesting levels whose labels have a place of their own; deeper ones go on by the last step.
inline constexpr int kIndentLevels = 5;

struct BarLayout {
    Rect frame;  // the whole bar, with the minimum size and containment applied
    Rect title;
    Rect iconifyButton;  // empty when the bar cannot be iconified
    Rect fontButton;     // empty when the font size is not resizable
    // The strip between the title and the rows: a press fits the column above which it lies;
    // the grip between them drags the values column's edge.
    Rect fitLabels, fitValues, valuesGrip;
    // The rows' area: from the bar's left edge to the right end of the value boxes.
    Rect content;
    Rect strip;          // the scrollbar strip along the right edge, on every bar
    Rect shortcutLine;   // the line under the rows for the hovered row's keys and hints
    int lineHeight = 0;  // a line of text, and a value box's height
    int rowHeight = 0;   // a row's pitch: its value box and a line of body under it
    // From the bar's left edge to the labels of each nesting level.
    int labelIndents[kIndentLevels] = {};
    int labelX = 0;  // left edge of labels at depth 0
    // The value boxes' left edge, and the values column's width; a box is two pixels wider.
    int valueX = 0, valueWidth = 0;
    std::vector<Row> rows;  // every row in display order
    int firstShown = 0, shownCount = 0;
    bool scrollable = false;
    Rect scrollTrack, scrollThumb;  // the track lies between the two arrow ends
    Rect scrollUp, scrollDown;
    Rect bottomLine;  // the help bar's line below its rows (its shortcut line); empty on others
    Rect icon;        // where the bar sits while iconified
};

// The row a control (and colour channel) occupies while it is shown, or null.
const Row* shownRow(const CTwBar& bar, const Control* control, int channel);

// The box a variable's value is written in: at the top of its row, one line of text high.
inline Rect valueField(const BarLayout& layout, const Row& row) {
    return {layout.valueX, row.rect.y, layout.valueWidth + 2, layout.lineHeight};
}

// From a bar's left edge to the label of a row at a nesting level.
int indentAt(const int (&indents)[kIndentLevels], int depth);

// Where the label of a row at a nesting level starts.
inline int labelLeft(const BarLayout& layout, int depth) {
    return layout.frame.x + indentAt(layout.labelIndents, depth);
}

}  // namespace tw
