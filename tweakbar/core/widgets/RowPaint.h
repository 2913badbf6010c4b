// What a widget paints its row with: the painter, the bar the row lies in with its layout,
// font and palette, and what value rows share (a label, a fold marker, the value's field or the
// field being typed into). The bar's own painting uses the same text helpers.
#pragma once

#include <string_view>

#include "draw/Painter.h"
#include "look/Palette.h"
#include "model/BarLayout.h"

struct CTwBar;

namespace tw {

class Context;
struct FontFace;

class RowPainter {
  public:
    RowPainter(Painter& into, const Context& in, const CTwBar& of);

    Painter& painter;
    const Context& context;
    const CTwBar& bar;
    const BarLayout& layout;
    const FontFace& face;
    const Palette palette;

    // The top of a line of text centred in a row.
    int textTop(const Rect& row) const;
    // Text clipped to an area inside the bar.
    void clippedText(const Rect& area, int x, int y, std::string_view text, PackedColor color);
    // Where a row's label starts: after its indent.
    int labelLeft(const Row& row) const;
    // A small box with a minus, or a plus when closed, before the label of a row that folds;
    // returns where the label goes.
    int foldMarker(int x, const Rect& row, bool opened, PackedColor color);

    // The label of a row that shows a value, cut where the values column starts; after a fold
    // marker when the row folds.
    void valueLabel(const Row& row, PackedColor ink, bool folds);
    // The value's field: the open field while the row is typed into, else the field's
    // background. False when nothing more goes into it (the open field, or a value not read).
    bool valueField(const Row& row, Rect& field);
    // The ink of a value: greyed when read-only (unless the row changes only how the value is
    // shown), in the bound colour at a number's bound.
    PackedColor valueInk(const Row& row, bool greyedWhenReadOnly = true) const;
    // Text in the value's field, cut keepRight pixels before its right edge.
    void valueText(const Row& row, std::string_view text, PackedColor ink, int keepRight);
    // A row whose value shows as its text (Control::valueText): the label, then the text.
    void textRow(const Row& row, PackedColor labelInk, bool folds);

  private:
    void openField(const Rect& field, int top);
};

}  // namespace tw
