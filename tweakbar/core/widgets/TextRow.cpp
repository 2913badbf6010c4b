// A text variable (a fixed string, a caller's char* or std::string): its text, which a press on
// the value or Return opens in a field to type into, or, read-only, to select and copy from.
#include "edit/ValueEdit.h"
#include "model/Control.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

class TextRow final : public ValueRow {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        p.textRow(row, p.palette.label, p.valueInk(row), false);
    }

    void press(Context& context, Bar& bar, const Row& row, int, int, bool inValue) const override {
        if (inValue && row.control->valueRead) beginTextEdit(context, bar, *row.control, -1);
    }

    // Return opens the field, a read-only one too.
    bool key(Context& context, Bar& bar, const Row& row, int key, bool apply) const override {
        if (key != TW_KEY_RETURN) return false;
        if (apply && row.control->valueRead) beginTextEdit(context, bar, *row.control, -1);
        return true;
    }

    PointerCursor cursor(const Context& context, const Bar& bar, const Row& row, int x, int y,
                         bool inValue) const override {
        const Control& control = *row.control;
        if (control.isReadOnly() || !control.valueRead) {
            return ValueRow::cursor(context, bar, row, x, y, inValue);
        }
        return {inValue ? CursorShape::Text : CursorShape::Game};
    }
};

}  // namespace

const Widget& textRow() {
    static const TextRow widget{};
    return widget;
}

}  // namespace tw
