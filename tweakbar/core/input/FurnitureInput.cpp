#include "input/FurnitureInput.h"

#include <algorithm>
#include <string>

#include "look/Metrics.h"
#include "model/Context.h"
#include "params/Params.h"
#include "widgets/Widget.h"

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
    // A label stays whole while its last character starts within the cut room of the column.
    const int cutRoom = barMetrics(bar, context).cutRoom;
    int labelsEnd = layout.labelX;
    for (const Row& row : layout.rows) {
        // Groups, buttons and text span the whole row; only values share it with a label.
        const int label = row.widget->labelWidth(row, face);
        if (label >= 0) {
            labelsEnd = std::max(labelsEnd, labelLeft(layout, row.depth) + label + cutRoom);
        }
    }
    // The value boxes start where the labels end; a box is two pixels wider than its column.
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
