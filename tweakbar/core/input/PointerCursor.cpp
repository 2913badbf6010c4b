#include "input/PointerCursor.h"

#include "input/HitTest.h"
#include "model/Engine.h"
#include "widgets/RotoSliderWidget.h"
#include "widgets/RowButtons.h"

namespace tw {
namespace {

CursorShape cornerCursor(int corner) {
    const bool left = corner & CornerLeft, top = corner & CornerTop;
    return left == top ? CursorShape::ResizeNwSe : CursorShape::ResizeNeSw;
}

PointerCursor rowCursor(const Context& context, const Hit& hit, int x, int y) {
    const Row& row = *hit.row;
    const Control& control = *row.control;
    const TextEdit& edit = context.input.edit;
    if (edit.control == &control && edit.channel == row.channel && hit.inValue) {
        return {CursorShape::Text};
    }
    if (row.kind == RowKind::Button) {
        return {control.isReadOnly() ? CursorShape::NotAllowed : CursorShape::Game};
    }
    if (row.kind != RowKind::Variable && row.kind != RowKind::Channel) return {};
    // A read-only heading that folds still does something when pressed.
    if (control.isReadOnly() && !(row.kind == RowKind::Variable && control.isFoldable())) {
        return {CursorShape::NotAllowed};
    }
    if (!control.valueRead) return {};
    if (isWritableNumberRow(row)) {
        const bool roto = numberButtonsFit(context, *hit.bar);
        if (!hit.inValue) return {roto ? CursorShape::Roto : CursorShape::Game};
        const RowButton button = rowButtonAt(rowButtonsOf(context, *hit.bar, row), x, y);
        if (button == RowButton::Roto) return {CursorShape::Roto};
        return {button == RowButton::None ? CursorShape::Text : CursorShape::Game};
    }
    if (hit.inValue && row.channel < 0 && isText(control.typeInfo.kind)) return {CursorShape::Text};
    return {};
}

}  // namespace

PointerCursor pointerCursor() {
    EngineLock lock;
    const Context* context = engine().context;
    if (!context || context->layoutDirty) return {};
    const InputState& input = context->input;
    const int x = input.mouseX, y = input.mouseY;
    switch (input.drag.kind) {
        case DragKind::RotoSlider:
            return {CursorShape::Roto, rotoSliderCursor(input.drag, x, y)};
        case DragKind::MoveBar:
            return {CursorShape::Move};
        case DragKind::ResizeBar:
            return {cornerCursor(input.drag.corner)};
        default:
            break;
    }
    const Hit hit = hitTest(*context, x, y);
    switch (hit.zone) {
        case Zone::Title:
            return {hit.bar->movable ? CursorShape::Move : CursorShape::Game};
        case Zone::Corner:
            return {cornerCursor(hit.corner)};
        case Zone::Row:
            return rowCursor(*context, hit, x, y);
        default:
            return {};
    }
}

}  // namespace tw
