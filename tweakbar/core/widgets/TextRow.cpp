// A text variable (a fixed string, a caller's char* or std::string): its text, which a press on
// the value or Return opens in a field to type into, or, read-only, to select and copy from.
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

class TextRow final : public ValueRow {
  public:
    void paint(RowPainter& p, const Row& row) const override {
        p.textRow(row, p.palette.label, false);
    }
};

}  // namespace

const Widget& textRow() {
    static const TextRow widget{};
    return widget;
}

}  // namespace tw
