// What a widget paints its row with: the painter, the bar the row lies in with its layout,
// metrics, font and palette, and what value rows share (a label, a group's expander, the value's
// box or the field being typed into). The bar's own painting uses the same text helpers.
#pragma once

#include <string_view>

#include "draw/Painter.h"
#include "look/Metrics.h"
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
    const BarMetrics metrics;
    const FontFace& face;
    const Palette palette;

    // The top of a line of text centred in a row.
    int textTop(const Rect& row) const;
    // Text clipped to an area inside the bar.
    void clippedText(const Rect& area, int x, int y, std::string_view text, PackedColor color);
    // Text that a column of the given width holds whole, or cut with an ellipsis (which, like
    // the last character of a whole text, may reach past the column); clipped to the bar.
    void columnText(int x, int y, int columnWidth, std::string_view text, PackedColor color);
    // Where a row's label starts: after its indent.
    int labelLeft(const Row& row) const;
    // The square left of the label of a row that folds: a minus when opened, a plus when not.
    // Returns where it lies.
    Rect expander(const Row& row, bool opened);

    // The label of a row that shows a value, cut where the values column starts; with an
    // expander when the row folds.
    void valueLabel(const Row& row, PackedColor ink, bool folds);
    // The value's box: the open field while the row is typed into, else the box's background.
    // False when nothing more goes into it (the open field, or a value not read).
    bool valueField(const Row& row, Rect& field);
    // The ink of a value: greyed when read-only (unless the row changes only how the value is
    // shown), in the bound colour at a number's bound.
    PackedColor valueInk(const Row& row, bool greyedWhenReadOnly = true) const;
    // The ink of a choice among a few (a bool's, an enum's): greyed when read-only.
    PackedColor choiceInk(const Row& row) const;
    // Text in the value's box, in a column keepRight pixels narrower than the values column.
    void valueText(const Row& row, std::string_view text, PackedColor ink, int keepRight);
    // A row whose value shows as its text (Control::valueText): the label, then the text.
    void textRow(const Row& row, PackedColor labelInk, PackedColor valueInk, bool folds);

  private:
    void openField(const Rect& field, int top);
};

}  // namespace tw
