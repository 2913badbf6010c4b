// A number: an integer, a char, a float or a double without enum entries, or one component of
// a colour, a quaternion or a direction (the row's channel).
#include "model/Control.h"
#include "values/ValueText.h"
#include "widgets/NumberRow.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

constexpr const char* kRotoSliderHelp =
    "To change a number by turning: press the left button on the number's label, or on its "
    "[o] button, and keep it down. A circle appears around the press point. Move the pointer "
    "around it: turning counter-clockwise increases the value, clockwise decreases it. Near "
    "the centre nothing changes; the farther out the pointer goes, the finer the control. "
    "Release the button to keep the value.";

class NumberRow final : public ValueRow {
  public:
    // A component fits three digits.
    int valueWidth(const Row& row, const FontFace& face) const override {
        return row.channel >= 0 ? face.measure("255") : ValueRow::valueWidth(row, face);
    }

    void paint(RowPainter& p, const Row& row) const override {
        if (row.channel < 0) return p.textRow(row, p.palette.label, false);
        const Control& control = *row.control;
        p.valueLabel(row, p.palette.label, false);
        Rect field;
        if (!p.valueField(row, field)) return;
        char text[32];
        formatValue(control, control.value.data(), row.channel, text, sizeof text);
        p.valueText(row, text, p.valueInk(row), 0);
    }

    const char* helpTitle() const override { return "RotoSlider"; }
    const char* helpText() const override { return kRotoSliderHelp; }
};

}  // namespace

const Widget& numberRow() {
    static const NumberRow widget{};
    return widget;
}

}  // namespace tw
