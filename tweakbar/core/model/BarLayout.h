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

struct BarLayout {
    Rect frame;  // the whole bar, with the minimum size and containment applied
    Rect title;
    Rect iconifyButton;  // empty when the bar cannot be iconified
    Rect fontButton;     // empty when the font size is not resizable
    // The strip between the title and the rows: a press fits the column above which it lies;
    // the grip between them drags the values column's edge.
    Rect fitLabels, fitValues, valuesGrip;
    Rect content;       // the rows' area
    Rect shortcutLine;  // the line under the rows for the hovered row's keys and hints
    int lineHeight = 0, rowHeight = 0, indent = 0;
    int labelX = 0;                  // left edge of labels at depth 0
    int valueX = 0, valueWidth = 0;  // the value column
    std::vector<Row> rows;           // every row in display order
    int firstShown = 0, shownCount = 0;
    bool scrollable = false;
    Rect scrollTrack, scrollThumb;  // the track lies between the two arrow ends
    Rect scrollUp, scrollDown;
    Rect bottomLine;  // the help bar's line below its rows (its shortcut line); empty on others
    Rect icon;        // where the bar sits while iconified
};

// The row a control (and colour channel) occupies while it is shown, or null.
const Row* shownRow(const CTwBar& bar, const Control* control, int channel);

// The field a variable's value is written in.
inline Rect valueField(const BarLayout& layout, const Row& row) {
    return {layout.valueX, row.rect.y + 1, layout.valueWidth, row.rect.h - 2};
}

}  // namespace tw
