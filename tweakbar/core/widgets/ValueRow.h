// What the rows that show a control's value share: a label left of the values column and the
// value in its field, how wide both are for a fitted column, the highlight under the pointer
// (a read-only value shows none, unless its row folds or is a part of its variable) and the
// no-entry cursor over a read-only one (a heading that folds still takes a press).
#pragma once

#include <initializer_list>

#include "AntTweakBar.h"
#include "model/Control.h"
#include "widgets/RowButtons.h"
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
    // The small buttons of a writable value, when its column is wider than room buttons.
    static RowButtonSet writableButtons(const Context& context, const CTwBar& bar, const Row& row,
                                        int room, std::initializer_list<RowButton> kinds);
    // Left, Right and Return on a value: a read-only one takes none of them; one not read yet
    // takes them and does nothing; else Return does act and Left and Right step(-1 or 1).
    template <typename Act, typename Step>
    static bool valueKey(const Control& control, int key, bool apply, Act&& act, Step&& step) {
        if (control.isReadOnly()) return false;
        if (!apply || !control.valueRead) return true;
        if (key == TW_KEY_RETURN) {
            act();
        } else {
            step(key == TW_KEY_RIGHT ? 1 : -1);
        }
        return true;
    }
};

}  // namespace tw
