#include "widgets/RowPaint.h"

#include "look/TextFit.h"
#include "model/Context.h"
#include "values/ValueText.h"

namespace tw {

RowPainter::RowPainter(Painter& into, const Context& in, const Bar& of)
    : painter(into),
      context(in),
      bar(of),
      layout(of.layout),
      metrics(barMetrics(of, in)),
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

void RowPainter::columnText(int x, int y, int columnWidth, std::string_view text,
                            PackedColor color) {
    const FittedText fitted = fitColumn(face, text, columnWidth, metrics.cutRoom);
    const int end = painter.text(face, x, y, text.substr(0, fitted.kept), color);
    if (fitted.cut) painter.text(face, end, y, kEllipsis, color);
}

int RowPainter::labelLeft(const Row& row) const {
    return tw::labelLeft(layout, row.depth);
}

Rect RowPainter::expander(const Row& row, bool opened) {
    const int size = metrics.expanderSize;
    const Rect box{layout.frame.x + 2 + row.depth * metrics.expanderStep,
                   row.rect.y + metrics.expanderTop, size, size};
    painter.fill(box, palette.expander);
    const Hover& hover = context.input.hover;
    if (hover.bar == &bar && !hover.icon) {
        painter.outline(box, palette.expanderOutline);
        painter.fill({box.x + 1, box.bottom(), size, 1}, palette.expanderShadow);
        painter.fill({box.right(), box.y + 1, 1, size}, palette.expanderShadow);
    }
    // A mark of one pixel's stroke, two pixels in from the box's sides: one dot in the
    // smallest box.
    const int arm = size - 4, mid = size / 2;
    painter.fill({box.x + 2, box.y + mid, arm, 1}, palette.expanderMark);
    if (!opened) painter.fill({box.x + mid, box.y + 2, 1, arm}, palette.expanderMark);
    return box;
}

void RowPainter::valueLabel(const Row& row, PackedColor ink, bool folds) {
    if (folds) expander(row, row.control->opened);
    const int x = labelLeft(row);
    columnText(x, textTop(row.rect), layout.valueX - x,
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

PackedColor RowPainter::choiceInk(const Row& row) const {
    return row.control->isReadOnly() ? palette.readOnly : palette.choice;
}

void RowPainter::valueText(const Row& row, std::string_view text, PackedColor ink, int keepRight) {
    const Rect field = tw::valueField(layout, row);
    columnText(field.x + kValuePadding, textTop(row.rect), layout.valueWidth - keepRight, text,
               ink);
}

void RowPainter::textRow(const Row& row, PackedColor labelInk, PackedColor ink, bool folds) {
    valueLabel(row, labelInk, folds);
    Rect field;
    if (valueField(row, field)) valueText(row, row.control->valueText, ink, 0);
}

// The selection and the caret are feedback, drawn into the bar's slots.
void RowPainter::openField(const Rect& field, int top) {
    const TextEdit& edit = context.input.edit;
    painter.fill(field, palette.fieldEdit);
    const int x = field.x + kValuePadding - edit.scrollX;
    clippedText(field, x, top, edit.text, edit.readOnly ? palette.editReadOnly : palette.editText);
}

}  // namespace tw
