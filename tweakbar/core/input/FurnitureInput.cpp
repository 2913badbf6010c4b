#include "input/FurnitureInput.h"

#include <algorithm>
#include <string>

#include "compose/DrawList.h"
#include "compose/Layout.h"
#include "look/Metrics.h"
#include "model/Context.h"
#include "params/Params.h"

namespace tw {
namespace {

int clampValuesWidth(const Context& context, const Bar& bar, int width) {
    const int font = fontHeight(bar.fontSize, context.globals.fontScaling);
    const int widest = std::max(2 * font, bar.layout.frame.w - 4 * font);
    return std::clamp(width, 2 * font, widest);
}

void setValuesWidth(Context& context, Bar& bar, int width) {
    bar.valuesWidthMode = ValuesWidthMode::Fixed;
    bar.valuesWidth = clampValuesWidth(context, bar, width);
    context.changed();
}

}  // namespace

void cycleFontSize(Context& context, int direction) {
    const int next = (context.globals.fontSize - 1 + direction + 3) % 3 + 1;
    setParam(context, ParamTarget{}, "fontsize", std::to_string(next));
}

void dragValuesGrip(Context& context, const Drag& drag, int x) {
    setValuesWidth(context, *drag.bar, int(drag.startValue) - (x - drag.startX));
}

void fitLabelsColumn(Context& context, Bar& bar) {
    const BarLayout& layout = bar.layout;
    const FontFace& face = context.face(bar);
    int labelsEnd = layout.labelX;
    for (const Row& row : layout.rows) {
        // Groups, buttons and text span the whole row; only variables share it with a value.
        if (row.kind != RowKind::Variable && row.kind != RowKind::Channel) continue;
        const Control& control = *row.control;
        int x = layout.labelX + row.depth * layout.indent;
        if (row.kind == RowKind::Channel) {
            x += face.measure(channelName(control, row.channel));
        } else {
            if (control.isFoldable()) x += foldMarkerWidth(face);
            x += face.measure(control.shownLabel());
        }
        labelsEnd = std::max(labelsEnd, x);
    }
    // Labels are clipped two pixels before the values column.
    setValuesWidth(context, bar, layout.content.right() - labelsEnd - 2);
}

void fitValuesColumn(Context& context, Bar& bar) {
    bar.valuesWidthMode = ValuesWidthMode::Fit;
    context.changed();
}

void scrollRows(Context& context, Bar& bar, int rows) {
    bar.scroll += rows;
    context.changed();
}

}  // namespace tw
