// The pointer's input: hover, presses, drags and the wheel, and what they do to bars, edits
// and values.
#include <algorithm>
#include <cstdlib>

#include "compose/FurniturePaint.h"
#include "compose/Layout.h"
#include "edit/AutoRepeat.h"
#include "edit/TextField.h"
#include "edit/ValueEdit.h"
#include "input/FurnitureInput.h"
#include "input/HitTest.h"
#include "input/InputEvents.h"
#include "look/Metrics.h"
#include "model/Engine.h"
#include "params/Params.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

// Wheel positions further apart than this are a glitch of the device, not a turn.
constexpr int kWheelJumpIgnored = 4;

// The row highlight follows the hover state by itself, and no row looks different under the
// pointer; the icon and the iconify button under the mouse are painted with their segment.
void setHover(Context& context, const Hover& hover) {
    const Hover was = context.input.hover;
    if (was == hover) return;
    context.input.hover = hover;
    if (was.icon || hover.icon) context.repaintIcons();
    repaintFurnitureOnHover(context, was, hover);
}

void moveBar(Context& context, Drag& drag, int x, int y) {
    Bar& bar = *drag.bar;
    // Positions stay where the "position" parameter can take them back.
    int nx = std::max(0, drag.startFrame.x + x - drag.startX);
    int ny = std::max(0, drag.startFrame.y + y - drag.startY);
    if (bar.contained && context.windowWidth > 0 && context.windowHeight > 0) {
        nx = std::min(nx, std::max(0, context.windowWidth - drag.startFrame.w));
        ny = std::min(ny, std::max(0, context.windowHeight - drag.startFrame.h));
    }
    bar.x = nx;
    bar.y = ny;
    context.changed();
}

void resizeBar(Context& context, Drag& drag, int x, int y) {
    Bar& bar = *drag.bar;
    const Rect& start = drag.startFrame;
    int minWidth = 0, minHeight = 0;
    minimumSize(bar.fontSize, context.globals.fontScaling, minWidth, minHeight);
    const int dx = x - drag.startX, dy = y - drag.startY;
    // The corner moves; the opposite edges stay.
    int left = start.x, top = start.y, right = start.right(), bottom = start.bottom();
    if (drag.corner & CornerLeft) {
        left = std::clamp(start.x + dx, 0, right - minWidth);
    } else {
        right = std::max(start.right() + dx, left + minWidth);
    }
    if (drag.corner & CornerTop) {
        top = std::clamp(start.y + dy, 0, bottom - minHeight);
    } else {
        bottom = std::max(start.bottom() + dy, top + minHeight);
    }
    if (bar.contained && context.windowWidth > 0 && context.windowHeight > 0) {
        right = std::min(right, std::max(left + minWidth, context.windowWidth));
        bottom = std::min(bottom, std::max(top + minHeight, context.windowHeight));
    }
    bar.x = left;
    bar.y = top;
    bar.width = std::min(right - left, kMaxCoordinate);
    bar.height = std::min(bottom - top, kMaxCoordinate);
    context.changed();
}

void dragScrollThumb(Context& context, Drag& drag, int y) {
    const BarLayout& layout = drag.bar->layout;
    const int rows = int(layout.rows.size());
    const int track = std::max(1, layout.scrollTrack.h);
    drag.bar->scroll = drag.startScroll + (y - drag.startY) * rows / track;
    context.changed();
}

void beginFrameDrag(Context& context, DragKind kind, const Hit& hit, int x, int y) {
    Drag& drag = context.input.drag;
    drag = Drag{};
    drag.kind = kind;
    drag.bar = hit.bar;
    drag.corner = hit.corner;
    drag.startX = x;
    drag.startY = y;
    drag.startFrame = hit.bar->layout.frame;
    drag.startScroll = hit.bar->scroll;
}

bool leftDown(Context& context) {
    InputState& input = context.input;
    const int x = input.mouseX, y = input.mouseY;
    if (input.edit.bar) {
        const Row* row = shownRow(*input.edit.bar, input.edit.control, input.edit.channel);
        const Rect& layout = input.edit.bar->layout.frame;
        if (row && layout.contains(x, y) && row->rect.contains(x, y) &&
            x >= input.edit.bar->layout.valueX) {
            placeCaret(context, x, false);
            input.drag = Drag{};
            input.drag.kind = DragKind::SelectText;
            return true;
        }
        commitTextEdit(context);
        // The set callback may have changed anything; look again.
        if (engine().context != &context) return true;
        if (context.layoutDirty) layoutAll(context);
    }
    const Hit hit = hitTest(context, x, y);
    if (hit.zone == Zone::Popup) {
        input.popup.widget->pressPopup(context, x, y);
        return true;
    }
    if (input.popup.bar) {
        const EnumPopup popup = input.popup;
        context.closePopup();
        // A press on the row that opened the list only closes it.
        if (hit.row && hit.row->control == popup.control && hit.row->channel < 0) return true;
    }
    if (hit.zone == Zone::None) return false;
    if (hit.zone != Zone::Icon) context.bringToFront(*hit.bar);
    switch (hit.zone) {
        case Zone::Icon:
            beginFrameDrag(context, DragKind::PressIcon, hit, x, y);
            break;
        case Zone::IconifyButton:
            beginFrameDrag(context, DragKind::PressIconify, hit, x, y);
            break;
        case Zone::FontButton:
            cycleFontSize(context, 1);
            break;
        case Zone::Corner:
            beginFrameDrag(context, DragKind::ResizeBar, hit, x, y);
            break;
        case Zone::Title:
            if (hit.bar->movable) beginFrameDrag(context, DragKind::MoveBar, hit, x, y);
            break;
        case Zone::ScrollThumb:
            beginFrameDrag(context, DragKind::ScrollThumb, hit, x, y);
            break;
        case Zone::ScrollUp:
        case Zone::ScrollDown:
        case Zone::ScrollTrack: {
            const bool up = hit.zone == Zone::ScrollUp ||
                            (hit.zone == Zone::ScrollTrack && y < hit.bar->layout.scrollThumb.y);
            scrollRows(context, *hit.bar, up ? -1 : 1);
            break;
        }
        case Zone::ValuesGrip:
            beginFrameDrag(context, DragKind::ValuesWidth, hit, x, y);
            input.drag.startValue = hit.bar->layout.valueWidth;
            break;
        case Zone::FitLabels:
            fitLabelsColumn(context, *hit.bar);
            break;
        case Zone::FitValues:
            fitValuesColumn(context, *hit.bar);
            break;
        case Zone::Row:
            hit.row->widget->press(context, *hit.bar, *hit.row, x, y, hit.inValue);
            break;
        default:
            break;
    }
    return true;
}

bool leftUp(Context& context) {
    InputState& input = context.input;
    const Drag drag = input.drag;
    input.drag = Drag{};
    input.held = HeldPress{};
    const Hit hit = hitTest(context, input.mouseX, input.mouseY);
    switch (drag.kind) {
        case DragKind::None:
            return hit.zone != Zone::None;
        case DragKind::PressIcon:
            if (hit.zone == Zone::Icon && hit.bar == drag.bar && drag.bar->iconifiable) {
                drag.bar->iconified = false;
                drag.bar->refreshDue = true;
                context.bringToFront(*drag.bar);
                context.structureChanged();
            }
            return true;
        case DragKind::PressIconify:
            if (hit.zone == Zone::IconifyButton && hit.bar == drag.bar) {
                drag.bar->iconified = true;
                context.input.forget(drag.bar);
                context.structureChanged();
            }
            return true;
        case DragKind::Widget:
            if (drag.widget->release(context, drag, hit.row)) setHover(context, hoverOf(hit));
            return true;
        default:
            return true;
    }
}

}  // namespace

bool mouseMotion(Context& context, int x, int y) {
    InputState& input = context.input;
    input.mouseX = x;
    input.mouseY = y;
    heldPointerMoved(context, x, y);
    Drag& drag = input.drag;
    switch (drag.kind) {
        case DragKind::MoveBar:
            moveBar(context, drag, x, y);
            return true;
        case DragKind::ResizeBar:
            resizeBar(context, drag, x, y);
            return true;
        case DragKind::ScrollThumb:
            dragScrollThumb(context, drag, y);
            return true;
        case DragKind::ValuesWidth:
            dragValuesGrip(context, drag, x);
            return true;
        case DragKind::SelectText:
            if (input.edit.bar) placeCaret(context, x, true);
            return true;
        case DragKind::Widget:
            drag.widget->drag(context, drag, x, y);
            return true;
        default:
            break;
    }
    const Hit hit = hitTest(context, x, y);
    setHover(context, hoverOf(hit));
    if (hit.zone == Zone::Popup) input.popup.widget->hoverPopup(context, x, y);
    return hit.zone != Zone::None || drag.kind != DragKind::None;
}

bool mouseButton(Context& context, TwMouseButtonID button, bool pressed) {
    if (button == TW_MOUSE_LEFT) return pressed ? leftDown(context) : leftUp(context);
    InputState& input = context.input;
    if (!pressed) {
        const bool dragging = input.drag.kind != DragKind::None;
        input.drag = Drag{};
        return dragging || hitTest(context, input.mouseX, input.mouseY).zone != Zone::None;
    }
    // Any press outside an open field commits it, and outside an open list closes it.
    if (input.edit.bar) {
        commitTextEdit(context);
        if (engine().context != &context) return true;
        if (context.layoutDirty) layoutAll(context);
    }
    const Hit hit = hitTest(context, input.mouseX, input.mouseY);
    if (input.popup.bar && hit.zone != Zone::Popup) context.closePopup();
    if (hit.zone == Zone::None) return false;
    if (hit.zone == Zone::Icon || hit.zone == Zone::Popup) return true;
    context.bringToFront(*hit.bar);
    if (button == TW_MOUSE_RIGHT && hit.zone == Zone::FontButton) cycleFontSize(context, -1);
    // The middle button moves a bar from anywhere on it.
    if (button == TW_MOUSE_MIDDLE && hit.bar->movable) {
        beginFrameDrag(context, DragKind::MoveBar, hit, input.mouseX, input.mouseY);
    }
    return true;
}

bool mouseWheel(Context& context, int pos) {
    InputState& input = context.input;
    const int previous = input.wheelPos;
    input.wheelPos = pos;
    if (pos == previous) return false;
    if (input.edit.bar) {
        commitTextEdit(context);
        if (engine().context != &context) return true;
        if (context.layoutDirty) layoutAll(context);
    }
    const Hit hit = hitTest(context, input.mouseX, input.mouseY);
    if (hit.zone == Zone::None || hit.zone == Zone::Icon) return false;
    if (std::abs(pos - previous) >= kWheelJumpIgnored) return false;
    if (hit.zone == Zone::Popup) {
        input.popup.widget->scrollPopup(context, pos > previous ? -1 : 1);
        return true;
    }
    // One row per call, whatever the size of the turn; up scrolls toward the top.
    scrollRows(context, *hit.bar, pos > previous ? -1 : 1);
    return true;
}

void windowResized(int width, int height) {
    EngineLock lock;
    Engine& state = engine();
    state.sizeGiven = true;
    state.lastWidth = width;
    state.lastHeight = height;
    if (state.context) state.context->setWindowSize(width, height);
}

int wheelPosition() {
    EngineLock lock;
    const Context* context = engine().context;
    return context ? context->input.wheelPos : 0;
}

bool inputWantsCapture() {
    EngineLock lock;
    const Context* context = engine().context;
    return context && context->input.drag.kind != DragKind::None;
}

}  // namespace tw
