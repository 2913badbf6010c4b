#include "widgets/RowPaint.h"

#include "look/Metrics.h"
#include "model/Context.h"
#include "values/ValueText.h"

namespace tw {

RowPainter::RowPainter(Painter& into, const Context& in, const Bar& of)
    : painter(into),
      context(in),
      bar(of),
      layout(of.layout),
      face(in.face(of)),
      palette(paletteFor(of)) {}

int RowPainter::textTop(const Rect& row) const {
    return row.y + (row.h - face.lineHeight) / 2;
}

void RowPainter::clippedText(const Rect& area, int x, int y, std::string_view text,
                             PackedColor color) {
    painter.setClip(intersect(layout.frame, area));
    painter.text(face, x, y, text, color);
    painter.setClip(layout.frame);
}

int RowPainter::labelLeft(const Row& row) const {
    return layout.labelX + row.depth * layout.indent;
}

int RowPainter::foldMarker(int x, const Rect& row, bool opened, PackedColor color) {
    const int size = foldMarkerWidth(face) - 4;
    const Rect box{x, row.y + (row.h - size) / 2, size, size};
    painter.outline(box, color);
    const int mid = size / 2;
    painter.fill({box.x + 2, box.y + mid, size - 4, 1}, color);
    if (!opened) painter.fill({box.x + mid, box.y + 2, 1, size - 4}, color);
    return x + foldMarkerWidth(face);
}

void RowPainter::valueLabel(const Row& row, PackedColor ink, bool folds) {
    const Rect& r = row.rect;
    int x = labelLeft(row);
    if (folds) x = foldMarker(x, r, row.control->opened, ink);
    clippedText({r.x, r.y, layout.valueX - 2 - r.x, r.h}, x, textTop(r),
                row.label ? row.label : row.control->shownLabel(), ink);
}

bool RowPainter::valueField(const Row& row, Rect& field) {
    field = tw::valueField(layout, row);
    const TextEdit& edit = context.input.edit;
    if (edit.bar == &bar && edit.control == row.control && edit.channel == row.channel) {
        openField(field, textTop(row.rect));
        return false;
    }
    painter.fill(field, palette.field);
    return row.control->valueRead;
}

PackedColor RowPainter::valueInk(const Row& row, bool greyedWhenReadOnly) const {
    const Control& control = *row.control;
    if (control.isReadOnly() && greyedWhenReadOnly) return palette.readOnly;
    return atBound(control, row.channel) ? palette.atBound : palette.value;
}

void RowPainter::valueText(const Row& row, std::string_view text, PackedColor ink, int keepRight) {
    const Rect field = tw::valueField(layout, row);
    clippedText({field.x, field.y, field.w - keepRight, field.h}, field.x + kValuePadding,
                textTop(row.rect), text, ink);
}

void RowPainter::textRow(const Row& row, PackedColor labelInk, bool folds) {
    valueLabel(row, labelInk, folds);
    Rect field;
    if (valueField(row, field))
        valueText(row, row.control->valueText, valueInk(row), kValuePadding);
}

// The selection and the caret are feedback, drawn into the bar's slots.
void RowPainter::openField(const Rect& field, int top) {
    const TextEdit& edit = context.input.edit;
    painter.fill(field, palette.fieldEdit);
    const int x = field.x + kValuePadding - edit.scrollX;
    clippedText(field, x, top, edit.text, edit.readOnly ? palette.editReadOnly : palette.editText);
}

}  // namespace tw
