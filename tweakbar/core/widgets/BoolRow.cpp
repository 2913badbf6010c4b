// A bool: a check mark when on and a short dash when off, or the labels its true and false
// parameters give.
#include <algorithm>

#include "base/VarType.h"
#include "look/Metrics.h"
#include "model/Control.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

class BoolRow final : public ValueRow {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        const Control& control = *row.control;
        p.valueLabel(row, p.palette.label, false);
        Rect field;
        if (!p.valueField(row, field)) return;
        const PackedColor ink = p.valueInk(row);
        if (!control.valueText.empty()) {
            p.valueText(row, control.valueText, ink, kValuePadding);
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
};

}  // namespace

const Widget& boolRow() {
    static const BoolRow widget{};
    return widget;
}

}  // namespace tw
