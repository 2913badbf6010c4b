// Headings whose members follow them while they are opened: a group (an expander and its
// label in the group colour, across the row) and a struct variable (its label in the struct
// colour, and the summary of its members as its value). A press folds and unfolds them; Left,
// Right and Return fold a group, and step a struct as they step a number.
#include "edit/ValueEdit.h"
#include "model/Control.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

class GroupRow final : public Folding<Widget> {
  public:
    // A band from just right of the expander to the end of the value boxes, under the label.
    void paint(RowPainter& p, const Row& row) const override {
        const Rect& r = row.rect;
        const int band = p.expander(row, row.control->opened).right() + 2;
        p.painter.fill({band, r.y + 1, r.right() - band, p.metrics.fontHeight},
                       p.palette.groupBand);
        const int x = p.labelLeft(row);
        p.columnText(x, p.textTop(r), r.right() - x, row.control->shownLabel(), p.palette.group);
    }

    bool highlighted(const Row&) const override { return true; }
};

class StructRow final : public Folding<ValueRow> {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        p.textRow(row, p.palette.structLabel, p.valueInk(row), true);
    }

    bool key(Context& context, Bar& bar, const Row& row, int key, bool apply) const override {
        Control& control = *row.control;
        if (control.isReadOnly() || key == TW_KEY_RETURN) return false;
        if (apply && control.valueRead) {
            stepControl(context, bar, control, -1, key == TW_KEY_RIGHT ? 1 : -1);
        }
        return true;
    }
};

}  // namespace

const Widget& groupRow() {
    static const GroupRow widget{};
    return widget;
}

const Widget& structRow() {
    static const StructRow widget{};
    return widget;
}

}  // namespace tw
