// What the rows that show a control's value share: a label left of the values column and the
// value in its field, how wide both are for a fitted column, the highlight under the pointer
// (a read-only value shows none, unless its row folds or is a part of its variable) and the
// no-entry cursor over a read-only one (a heading that folds still takes a press).
#pragma once

#include "widgets/Widget.h"

namespace tw {

class ValueRow : public Widget {
  public:
    int labelWidth(const Row& row, const FontFace& face) const override;
    int valueWidth(const Row& row, const FontFace& face) const override;
    bool highlighted(const Row& row) const override;
    PointerCursor cursor(const Context& context, const CTwBar& bar, const Row& row, int x, int y,
                         bool inValue) const override;

  protected:
    // A value read from the caller that the user may change.
    static bool writable(const Control& control);
};

}  // namespace tw
