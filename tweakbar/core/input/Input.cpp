// The portable input events: each takes the engine lock, updates the hover state, drags, edits
// and values, and says whether the event was the engine's.
#include <algorithm>
#include <cstdlib>

#include "Engine.h"
#include "HelpBar.h"
#include "HitTest.h"
#include "InputEvents.h"
#include "Params.h"
#include "Refresh.h"
#include "TextUtil.h"
#include "ValueEdit.h"
#include "ValueText.h"

namespace tw {
namespace {

// A press that moves less than this stays a click.
constexpr int kDragThreshold = 3;
constexpr int kRowsPerWheelNotch = 3;

template <typename Result, typename Body>
Result withContext(Result idle, Body&& body) {
    EngineLock lock;
    Context* context = engine().context.get();
    if (!context) return idle;
    updateHelpBar(*context);
    if (context->layoutDirty) layoutAll(*context);
    return body(*context);
}

// The row highlight follows the hover state by itself; the icon and the iconify button under
// the mouse are painted with their segment.
void setHover(Context& context, const Hover& hover) {
    const Hover was = context.input.hover;
    if (was == hover) return;
    context.input.hover = hover;
    if (was.icon || hover.icon) context.repaintIcons();
    if (was.iconifyButton) context.repaintBar(*was.bar);
    if (hover.iconifyButton) context.repaintBar(*hover.bar);
}

bool isDraggedNumber(const Control& control, int channel) {
    return channel >= 0 || (control.hasNumberValue() && !control.enumEntries());
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

void dragValue(Context& context, Drag& drag, int x) {
    const int dx = x - drag.startX;
    if (!drag.moved && std::abs(dx) < kDragThreshold) return;
    drag.moved = true;
    Control& control = *drag.control;
    // One step per pixel; a colour channel steps by one.
    const double step = drag.channel >= 0 ? 1 : effectiveStep(control);
    dragNumber(context, *drag.bar, control, drag.channel, drag.startValue + dx * step);
}

void openPopup(Context& context, Bar& bar, Control& control) {
    EnumPopup& popup = context.input.popup;
    popup = EnumPopup{};
    popup.bar = &bar;
    popup.control = &control;
    const auto& entries = *control.enumEntries();
    const int current = roundToInt(readNumber(control.typeInfo, control.value.data()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].value == current) popup.hovered = int(i);
    }
    context.repaint();
}

void closePopup(Context& context) {
    context.input.popup = EnumPopup{};
    context.repaint();
}

void pressRow(Context& context, Bar& bar, const Row& row, bool inValue, int x) {
    Control& control = *row.control;
    Drag& drag = context.input.drag;
    switch (row.kind) {
        case RowKind::Group:
            control.opened = !control.opened;
            context.changed();
            return;
        case RowKind::Button:
            if (control.isReadOnly()) return;
            drag = Drag{};
            drag.kind = DragKind::PressButton;
            drag.bar = &bar;
            drag.control = &control;
            return;
        case RowKind::Text:
        case RowKind::Separator:
            return;
        case RowKind::Variable:
        case RowKind::Channel:
            break;
    }
    if (row.kind == RowKind::Variable && control.isFoldable()) {
        control.opened = !control.opened;
        context.changed();
        return;
    }
    if (control.isReadOnly() || !control.valueRead) return;
    if (control.typeInfo.kind == ValueKind::Bool && row.channel < 0) {
        toggleBool(context, bar, control);
        return;
    }
    if (!inValue) return;
    if (row.channel < 0 && control.enumEntries()) {
        openPopup(context, bar, control);
    } else if (isDraggedNumber(control, row.channel)) {
        drag = Drag{};
        drag.kind = DragKind::Value;
        drag.bar = &bar;
        drag.control = &control;
        drag.channel = row.channel;
        drag.startX = x;
        drag.startValue = numberOf(control, control.value.data(), row.channel);
    } else if (isText(control.typeInfo.kind)) {
        beginTextEdit(context, bar, control, -1);
    }
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
            placeCaret(context, x);
            return true;
        }
        commitTextEdit(context);
        // The set callback may have changed anything; look again.
        if (engine().context.get() != &context) return true;
        if (context.layoutDirty) layoutAll(context);
    }
    const Hit hit = hitTest(context, x, y);
    if (input.popup.bar) {
        EnumPopup popup = input.popup;
        closePopup(context);
        if (hit.zone == Zone::Popup) {
            pickEnumEntry(context, *popup.bar, *popup.control, hit.popupEntry);
            return true;
        }
        // A click on the field that opened the list only closes it.
        if (hit.row && hit.row->control == popup.control && hit.inValue) return true;
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
        case Zone::Corner:
            beginFrameDrag(context, DragKind::ResizeBar, hit, x, y);
            break;
        case Zone::Title:
            if (hit.bar->movable) beginFrameDrag(context, DragKind::MoveBar, hit, x, y);
            break;
        case Zone::ScrollThumb:
            beginFrameDrag(context, DragKind::ScrollThumb, hit, x, y);
            break;
        case Zone::ScrollTrack: {
            const BarLayout& layout = hit.bar->layout;
            const int page = std::max(1, layout.shownCount - 1);
            hit.bar->scroll += y < layout.scrollThumb.y ? -page : page;
            context.changed();
            break;
        }
        case Zone::Row:
            pressRow(context, *hit.bar, *hit.row, hit.inValue, x);
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
    const Hit hit = hitTest(context, input.mouseX, input.mouseY);
    switch (drag.kind) {
        case DragKind::None:
            return hit.zone != Zone::None;
        case DragKind::PressButton:
            // Fires only when released over the button it was pressed on.
            if (hit.row && hit.row->control == drag.control && drag.control->button) {
                drag.control->button(drag.control->clientData);
            }
            return true;
        case DragKind::PressIcon:
            if (hit.zone == Zone::Icon && hit.bar == drag.bar) {
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
        case DragKind::Value:
            // A click that did not drag types a value instead.
            if (!drag.moved) beginTextEdit(context, *drag.bar, *drag.control, drag.channel);
            return true;
        default:
            return true;
    }
}

// The shortcut of a visible bar's control that the key or character matches.
template <typename Match>
bool runMatchingShortcut(Context& context, Match&& match) {
    for (const auto& bar : context.bars) {
        if (!bar->visible) continue;
        for (const auto& control : bar->controls) {
            int direction = 0;
            if (match(control->key)) {
                direction = 1;
            } else if (match(control->keyDecr)) {
                direction = -1;
            }
            if (direction != 0) {
                runShortcut(context, *bar, *control, direction);
                return true;
            }
        }
    }
    return false;
}

bool popupKey(Context& context, Key key) {
    EnumPopup& popup = context.input.popup;
    const int count = int(popup.control->enumEntries()->size());
    switch (key) {
        case Key::Up:
            popup.hovered = std::max(0, popup.hovered - 1);
            break;
        case Key::Down:
            popup.hovered = std::min(count - 1, popup.hovered + 1);
            break;
        case Key::Enter: {
            const EnumPopup chosen = popup;
            closePopup(context);
            pickEnumEntry(context, *chosen.bar, *chosen.control, chosen.hovered);
            return true;
        }
        case Key::Escape:
            closePopup(context);
            return true;
        default:
            break;
    }
    context.repaintPopup();
    return true;
}

}  // namespace

bool inputMouseMove(int x, int y) {
    return withContext(false, [&](Context& context) {
        InputState& input = context.input;
        input.mouseX = x;
        input.mouseY = y;
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
            case DragKind::Value:
                dragValue(context, drag, x);
                return true;
            default:
                break;
        }
        const Hit hit = hitTest(context, x, y);
        setHover(context, hoverOf(hit));
        if (hit.zone == Zone::Popup && input.popup.hovered != hit.popupEntry) {
            input.popup.hovered = hit.popupEntry;
            context.repaintPopup();
        }
        return hit.zone != Zone::None || drag.kind != DragKind::None;
    });
}

bool inputMouseButton(MouseButton button, bool down) {
    return withContext(false, [&](Context& context) {
        if (button == MouseButton::Left) return down ? leftDown(context) : leftUp(context);
        // Other buttons do nothing, but over a bar they are the bar's.
        const InputState& input = context.input;
        return input.drag.kind != DragKind::None ||
               hitTest(context, input.mouseX, input.mouseY).zone != Zone::None;
    });
}

bool inputMouseWheel(int delta) {
    return withContext(false, [&](Context& context) {
        const InputState& input = context.input;
        const Hit hit = hitTest(context, input.mouseX, input.mouseY);
        if (hit.zone == Zone::None) return false;
        if (hit.zone == Zone::Popup || hit.zone == Zone::Icon || delta == 0) return true;
        const int notches = delta / 120 != 0 ? delta / 120 : (delta > 0 ? 1 : -1);
        hit.bar->scroll -= notches * kRowsPerWheelNotch;
        context.changed();
        return true;
    });
}

bool inputKeyDown(Key key, int modifiers) {
    return withContext(false, [&](Context& context) {
        if (context.input.edit.bar) {
            editKey(context, key);
            return true;
        }
        if (context.input.popup.bar) return popupKey(context, key);
        return runMatchingShortcut(context, [&](const Shortcut& shortcut) {
            return matchesKey(shortcut, key, modifiers);
        });
    });
}

bool inputChar(unsigned char c, int modifiers) {
    return withContext(false, [&](Context& context) {
        if (context.input.edit.bar) {
            editChar(context, c);
            return true;
        }
        if (context.input.popup.bar) return true;
        return runMatchingShortcut(
            context, [&](const Shortcut& shortcut) { return matchesChar(shortcut, c, modifiers); });
    });
}

void inputResize(int width, int height) {
    withContext(0, [&](Context& context) {
        // A minimised window reports an empty area; the bars keep their places meanwhile.
        if (width > 0 && height > 0) context.setWindowSize(width, height);
        return 0;
    });
}

bool inputWantsCapture() {
    return withContext(false,
                       [](Context& context) { return context.input.drag.kind != DragKind::None; });
}

}  // namespace tw
