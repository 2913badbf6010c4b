// What the rows that show a control's value share: a label left of the values column and the
// value in its field, how wide both are for a fitted column, and the highlight under the pointer
// (a read-only value shows none, unless its row folds or is a part of its variable).
#pragma once

#include "widgets/Widget.h"

namespace tw {

class ValueRow : public Widget {
  public:
    int labelWidth(const Row& row, const FontFace& face) const override;
    int valueWidth(const Row& row, const FontFace& face) const override;
    bool highlighted(const Row& row) const override;
};

}  // namespace tw
