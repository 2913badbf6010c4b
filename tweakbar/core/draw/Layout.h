// Where everything of a bar goes on screen, computed from the bar's parameters and the font
// metrics; the drawing, the hit tests of input and the parameters that report what the user
// did all read the same layout.
#pragma once

#include <vector>

#include "draw/FontAtlas.h"
#include "draw/Geometry.h"

struct CTwBar;

namespace tw {

struct Control;
class Context;

enum class RowKind { Variable, Channel, Button, Text, Separator, Group, Widget };

// The channel of the row a quaternion's or direction's widget occupies below its heading.
inline constexpr int kWidgetRow = -2;

struct Row {
    RowKind kind = RowKind::Variable;
    Control* control = nullptr;
    int channel = -1;  // the colour channel of a Channel row; kWidgetRow for a widget
    int depth = 0;     // group nesting
    Rect rect;         // set for the rows shown
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

// Metrics shared by layout and drawing.
inline constexpr int kValuePadding = 3;  // between a field's edge and its text
int titleHeight(const FontFace& face);
int rowHeightOf(RowKind kind, const FontFace& face);
// How far a row moves right per group level.
inline int rowIndent(const FontFace& face) {
    return face.lineHeight * 3 / 4;
}
// The width of a bar's rows while it shows a scrollbar.
int scrolledRowsWidth(int frameWidth, const FontFace& face);
// The nominal font height of a font size, from which a bar's fixed figures follow.
int fontHeight(int fontSize, double fontScaling);
// The smallest size a bar can take at a font size.
void minimumSize(int fontSize, double fontScaling, int& width, int& height);
// The values column width that follows the font size until the caller sets one (wider on
// the help bar, whose values are key names).
int defaultValuesWidth(const CTwBar& bar, double fontScaling);
// What the values column reads after "fit" until the next layout has fitted it.
inline constexpr int kValuesWidthFitPending = -5555;

// The place and size a bar is drawn at: its own, raised to the minimum size and, when it is
// contained, moved and shrunk into the drawing area.
Rect constrainedFrame(const CTwBar& bar, const Context& context);

// The row a control (and colour channel) occupies while it is shown, or null.
const Row* shownRow(const CTwBar& bar, const Control* control, int channel);

// Recomputes the layout of every bar and of the icons.
void layoutAll(Context& context);

}  // namespace tw
