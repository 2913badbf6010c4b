// A colour variable in its bar: the swatch of the folded row, and, opened, one number row per
// component (red, green, blue, or hue, lightness, saturation; alpha when the colour has it)
// and the Mode row that switches between the two sets.
#include "model/Control.h"
#include "values/ColourComponents.h"
#include "values/ValueText.h"
#include "widgets/NumberRow.h"
#include "widgets/RowPaint.h"
#include "widgets/ValueRow.h"

namespace tw {
namespace {

// The checker behind a translucent colour: 4 cells across, 2 down.
constexpr int kCheckerColumns = 4, kCheckerRows = 2;
constexpr PackedColor kCheckerLight = packColor(224, 224, 224, 255);
constexpr PackedColor kCheckerDark = packColor(112, 112, 112, 255);

void paintChecker(Painter& painter, const Rect& area) {
    for (int row = 0; row < kCheckerRows; ++row) {
        const int top = area.y + area.h * row / kCheckerRows;
        const int bottom = area.y + area.h * (row + 1) / kCheckerRows;
        for (int column = 0; column < kCheckerColumns; ++column) {
            const int left = area.x + area.w * column / kCheckerColumns;
            const int right = area.x + area.w * (column + 1) / kCheckerColumns;
            painter.fill({left, top, right - left, bottom - top},
                         (row + column) % 2 == 0 ? kCheckerLight : kCheckerDark);
        }
    }
}

// The folded row's value: the colour filling its field, over a checker pattern that shows
// through when the colour has alpha.
void paintSwatch(Painter& painter, const Rect& field, const Rect& clip, const Control& control) {
    const Rect swatch = field.inset(1, 1);
    painter.setClip(intersect(clip, swatch));
    const Rgba color = readColor(control.typeInfo, control.value.data());
    std::uint8_t alpha = 255;
    if (control.colorAlpha) {
        paintChecker(painter, swatch);
        alpha = color.a;
    }
    painter.fill(swatch, packColor(color.r, color.g, color.b, alpha));
    painter.outline(swatch, packColor(0, 0, 0, 150));
    painter.setClip(clip);
}

// The row that reads RGB or HLS, and switches between them when pressed or with Left, Right or
// Return. It changes how the colour is shown, not the colour, so a read-only colour's Mode row
// is not greyed and still switches.
class ModeRow final : public ValueRow {
  public:
    int valueWidth(const Row&, const FontFace& face) const override { return face.measure("255"); }

    void paint(RowPainter& p, const Row& row) const override {
        p.valueLabel(row, p.palette.label, false);
        Rect field;
        if (!p.valueField(row, field)) return;
        char text[32];
        formatValue(*row.control, row.control->value.data(), row.channel, text, sizeof text);
        p.valueText(row, text, p.valueInk(row, false), 0);
    }

    void press(Context& context, Bar&, const Row& row, int, int, bool) const override {
        toggleColourMode(context, *row.control);
    }

    bool key(Context& context, Bar&, const Row& row, int, bool apply) const override {
        if (apply) toggleColourMode(context, *row.control);
        return true;
    }
};

const ModeRow kModeRow{};

class ColourRow final : public Folding<ValueRow> {
  public:
    void addParts(std::vector<Row>& rows, const Row& heading) const override {
        Row row = heading;
        row.kind = RowKind::Channel;
        row.depth = heading.depth + 1;
        row.widget = &numberRow();
        const Control& control = *heading.control;
        const int first = control.hlsMode ? kHue : kRed;
        for (int component = first; component < first + 3; ++component) {
            row.channel = component;
            row.label = colourComponentName(component);
            rows.push_back(row);
        }
        if (control.colorAlpha) {
            row.channel = kAlpha;
            row.label = colourComponentName(kAlpha);
            rows.push_back(row);
        }
        row.channel = kColourModeRow;
        row.label = "Mode";
        row.widget = &kModeRow;
        rows.push_back(row);
    }

    void paint(RowPainter& p, const Row& row) const override {
        p.valueLabel(row, p.palette.structLabel, true);
        Rect field;
        if (!p.valueField(row, field)) return;
        paintSwatch(p.painter, field, p.layout.frame, *row.control);
    }
};

}  // namespace

const Widget& colourRow() {
    static const ColourRow widget{};
    return widget;
}

}  // namespace tw
