#include "widgets/ValueRow.h"

#include "look/Metrics.h"
#include "model/Control.h"

namespace tw {

int ValueRow::labelWidth(const Row& row, const FontFace& face) const {
    if (row.label) return face.measure(row.label);
    const Control& control = *row.control;
    return (control.isFoldable() ? foldMarkerWidth(face) : 0) + face.measure(control.shownLabel());
}

int ValueRow::valueWidth(const Row& row, const FontFace& face) const {
    return face.measure(row.control->valueText.c_str());
}

bool ValueRow::highlighted(const Row& row) const {
    const Control& control = *row.control;
    return row.kind != RowKind::Variable || !control.isReadOnly() || control.isFoldable();
}

}  // namespace tw
