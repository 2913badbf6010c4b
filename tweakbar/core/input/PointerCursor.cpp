#include "input/PointerCursor.h"

#include "input/HitTest.h"
#include "model/Engine.h"

namespace tw {
namespace {

CursorShape cornerCursor(int corner) {
    const bool left = corner & CornerLeft, top = corner & CornerTop;
    return left == top ? CursorShape::ResizeNwSe : CursorShape::ResizeNeSw;
}

// The open field shows the text cursor; elsewhere the row's widget says.
PointerCursor rowCursor(const Context& context, const Hit& hit, int x, int y) {
    const Row& row = *hit.row;
    const TextEdit& edit = context.input.edit;
    if (edit.control == row.control && edit.channel == row.channel && hit.inValue) {
        return {CursorShape::Text};
    }
    return row.widget->cursor(context, *hit.bar, row, x, y, hit.inValue);
}

}  // namespace

PointerCursor pointerCursor() {
    EngineLock lock;
    const Context* context = engine().context;
    if (!context || context->layoutDirty) return {};
    const InputState& input = context->input;
    const int x = input.mouseX, y = input.mouseY;
    switch (input.drag.kind) {
        case DragKind::Widget:
            if (const auto shown = input.drag.widget->dragCursor(input.drag, x, y)) return *shown;
            break;
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
