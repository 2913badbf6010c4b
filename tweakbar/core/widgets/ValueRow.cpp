#include "widgets/ValueRow.h"

#include "draw/FontAtlas.h"
#include "model/Control.h"

namespace tw {

int ValueRow::labelWidth(const Row& row, const FontFace& face) const {
    if (row.label) return face.measure(row.label);
    return face.measure(row.control->shownLabel());
}

int ValueRow::valueWidth(const Row& row, const FontFace& face) const {
    return face.measure(row.control->valueText.c_str());
}

bool ValueRow::highlighted(const Row& row) const {
    const Control& control = *row.control;
    return row.kind != RowKind::Variable || !control.isReadOnly() || control.isFoldable();
}

bool ValueRow::writable(const Control& control) {
    return control.valueRead && !control.isReadOnly();
}

RowButtonSet ValueRow::writableButtons(const Context& context, const Bar& bar, const Row& row,
                                       int room, std::initializer_list<RowButton> kinds) {
    if (!writable(*row.control)) return {};
    return placeRowButtons(context, bar, row, room, kinds);
}

PointerCursor ValueRow::cursor(const Context&, const Bar&, const Row& row, int, int, bool) const {
    const Control& control = *row.control;
    const bool folds = row.kind == RowKind::Variable && control.isFoldable();
    return {control.isReadOnly() && !folds ? CursorShape::NotAllowed : CursorShape::Game};
}

}  // namespace tw
