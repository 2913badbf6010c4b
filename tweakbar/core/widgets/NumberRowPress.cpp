#include "widgets/NumberRowPress.h"

#include "edit/AutoRepeat.h"
#include "edit/ValueEdit.h"
#include "look/Metrics.h"
#include "model/BarLayout.h"
#include "model/Context.h"
#include "widgets/RotoSliderWidget.h"
#include "widgets/RowButtons.h"

namespace tw {

bool pressNumberRow(Context& context, Bar& bar, const Row& row, bool inValue, int x, int y) {
    if (!isWritableNumberRow(row) || !numberButtonsFit(context, bar)) return false;
    Control& control = *row.control;
    const int middle = row.rect.y + row.rect.h / 2;
    if (!inValue) {
        beginRotoSlider(context, bar, control, row.channel, x, middle);
        return true;
    }
    const RowButtonSet buttons = rowButtonsOf(context, bar, row);
    switch (rowButtonAt(buttons, x, y)) {
        case RowButton::Roto: {
            const Rect& roto = *rowButtonRect(buttons, RowButton::Roto);
            beginRotoSlider(context, bar, control, row.channel, roto.x + roto.w / 2, middle);
            return true;
        }
        case RowButton::Decrement:
        case RowButton::Increment: {
            HeldPress press;
            press.action = HeldPress::Action::StepNumber;
            press.bar = &bar;
            press.control = &control;
            press.channel = row.channel;
            press.direction = rowButtonAt(buttons, x, y) == RowButton::Increment ? 1 : -1;
            press.x = x;
            press.y = y;
            Drag& drag = context.input.drag;
            drag = Drag{};
            drag.kind = DragKind::HoldButton;
            drag.bar = &bar;
            drag.control = &control;
            drag.channel = row.channel;
            holdPress(context, press);
            stepControl(context, bar, control, row.channel, press.direction);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace tw
