// A bool: a check mark when on and a short dash when off, or the labels its true and false
// parameters give. A press anywhere on a writable one (its [<>] too), Return, Left and Right
// toggle it.
#include <algorithm>

#include "base/VarType.h"
#include "edit/ValueEdit.h"
#include "look/Metrics.h"
#include "model/Control.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

// [<>] needs a values column wider than this many buttons.
constexpr int kButtonRoom = 4;

class BoolRow final : public ValueRow {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        const Control& control = *row.control;
        p.valueLabel(row, p.palette.label, false);
        Rect field;
        if (!p.valueField(row, field)) return;
        const PackedColor ink = p.choiceInk(row);
        if (!control.valueText.empty()) {
            p.valueText(row, control.valueText, ink, 0);
            return;
        }
        p.painter.setClip(intersect(p.layout.frame, field));
        if (readNumber(control.typeInfo, control.value.data()) != 0) {
            p.painter.glyph(p.face.checkMark, field.x + kValuePadding, p.textTop(row.rect), ink);
        } else {
            p.painter.fill({field.x + kValuePadding + 1, field.y + field.h / 2 - 1,
                            std::max(4, field.h / 2), 2},
                           ink);
        }
        p.painter.setClip(p.layout.frame);
    }

    RowButtonSet buttons(const Context& context, const Bar& bar, const Row& row) const override {
        return writableButtons(context, bar, row, kButtonRoom, {RowButton::Toggle});
    }

    void press(Context& context, Bar& bar, const Row& row, int, int, bool) const override {
        if (writable(*row.control)) toggleBool(context, bar, *row.control);
    }

    bool key(Context& context, Bar& bar, const Row& row, int key, bool apply) const override {
        Control& control = *row.control;
        return valueKey(
            control, key, apply, [&] { toggleBool(context, bar, control); },
            [&](int direction) { stepControl(context, bar, control, -1, direction); });
    }
};

}  // namespace

const Widget& boolRow() {
    static const BoolRow widget{};
    return widget;
}

}  // namespace tw
