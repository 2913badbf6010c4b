// What a kind of row is to the rest of the engine. The layout gives every row the widget that
// the table (WidgetTable.h) chooses for its control, or that its heading chose for a part
// (a colour's component rows, a quaternion's trackball); from then on the bar's painting and the
// help bar reach the row only through these functions, and nothing outside this folder names a
// widget. A widget overrides what its row does differently; the defaults are a row that takes
// one line, paints nothing and has no value.
#pragma once

#include <vector>

#include "model/BarLayout.h"

namespace tw {

class Painter;
class RowPainter;
class Context;
struct FontFace;

class Widget {
  public:
    virtual ~Widget() = default;

    // The rows it takes: its own row's height, and the part rows shown below it while its
    // control is opened (appended after the heading; a struct's or group's members follow them).
    virtual int height(const FontFace& face) const;
    virtual void addParts(std::vector<Row>& rows, const Row& heading) const;
    // For a column fitted to its content: how wide the row's label and its value are (the
    // label from the row's indent); -1 when the row has none of them beside the other column.
    virtual int labelWidth(const Row& row, const FontFace& face) const;
    virtual int valueWidth(const Row& row, const FontFace& face) const;

    // Paints the row into its bar's segment; the painter's clip is the bar's frame and stays so.
    virtual void paint(RowPainter& painter, const Row& row) const = 0;
    // Whether the row reacts to the pointer, and so shows the hover highlight.
    virtual bool highlighted(const Row& row) const;

    // A group of the help bar about this kind of row: its title and text; null when none.
    virtual const char* helpTitle() const;
    virtual const char* helpText() const;
};

}  // namespace tw
