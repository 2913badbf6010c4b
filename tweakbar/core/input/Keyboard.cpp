// Key presses routed through the bars. The bar under the pointer (or an open enum list) is
// asked first, then the other open bars from the top down, then the iconified ones, so that
// shortcuts work wherever their bar is. A bar with an open text field takes every key that
// reaches it; the arrows, Return and Escape move and act only in the bar under the pointer.
#include <algorithm>
#include <vector>

#include "base/Shortcut.h"
#include "compose/Layout.h"
#include "edit/TextField.h"
#include "edit/ValueEdit.h"
#include "input/HitTest.h"
#include "input/InputEvents.h"
#include "model/Engine.h"
#include "widgets/Widget.h"

namespace tw {
namespace {

bool isArrowOrReturn(int key) {
    return key == TW_KEY_UP || key == TW_KEY_DOWN || key == TW_KEY_LEFT || key == TW_KEY_RIGHT ||
           key == TW_KEY_RETURN;
}

// A hidden control, or one in a hidden group, takes no shortcut.
bool isVisible(const Control& control) {
    for (const Control* c = &control; c; c = c->group) {
        if (!c->visible) return false;
    }
    return true;
}

int rowIndexOf(const Bar& bar, const Control* control, int channel) {
    const auto& rows = bar.layout.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].control == control && rows[i].channel == channel) return int(i);
    }
    return -1;
}

// Highlights a row and, when it lies outside what the bar shows, scrolls it into view: to the
// middle, or (stepping with the arrows) just far enough.
void highlightRow(Context& context, Bar& bar, int index, bool toMiddle) {
    if (context.layoutDirty) layoutAll(context);
    const BarLayout& layout = bar.layout;
    if (index < 0 || index >= int(layout.rows.size())) return;
    const bool above = index < layout.firstShown;
    if (above || index >= layout.firstShown + layout.shownCount) {
        if (toMiddle) {
            bar.scroll = index - layout.shownCount / 2;
        } else {
            bar.scroll = above ? index : index - layout.shownCount + 1;
        }
        context.changed();
    }
    const Row& row = layout.rows[std::size_t(index)];
    context.input.hover = Hover{};
    context.input.hover.bar = &bar;
    context.input.hover.control = row.control;
    context.input.hover.channel = row.channel;
    context.repaint();
}

// A shortcut's control is opened to, scrolled to and highlighted before it acts.
void revealControl(Context& context, Bar& bar, Control& control) {
    for (Control* group = control.group; group; group = group->group) {
        if (!group->opened) {
            group->opened = true;
            context.changed();
        }
    }
    if (context.layoutDirty) layoutAll(context);
    highlightRow(context, bar, rowIndexOf(bar, &control, -1), true);
}

bool applyShortcut(Context& context, Bar& bar, const KeyPress& press, bool apply) {
    for (const auto& control : bar.controls) {
        if (!isVisible(*control)) continue;
        int direction = 0;
        if (matchesShortcut(control->key, press)) {
            direction = 1;
        } else if (matchesShortcut(control->keyDecr, press)) {
            direction = -1;
        } else {
            continue;
        }
        if (!apply) return true;
        revealControl(context, bar, *control);
        // Read-only controls take their key and stay as they are.
        runShortcut(context, bar, *control, direction);
        return true;
    }
    return false;
}

bool editKeyPress(Context& context, const KeyPress& press) {
    if (press.isTyped()) {
        editChar(context, static_cast<unsigned char>(press.key));
    } else {
        editKey(context, press);
    }
    return true;
}

// Up and Down move the highlight; Left, Right and Return act on the highlighted row.
bool navigate(Context& context, Bar& bar, int key, bool apply) {
    if (!isArrowOrReturn(key)) return false;
    const auto& rows = bar.layout.rows;
    const Hover& hover = context.input.hover;
    const int current = hover.bar == &bar ? rowIndexOf(bar, hover.control, hover.channel) : -1;
    if (key == TW_KEY_UP || key == TW_KEY_DOWN) {
        if (rows.empty()) return false;
        if (apply) {
            const int last = int(rows.size()) - 1;
            const int next = current < 0
                                 ? (key == TW_KEY_DOWN ? 0 : last)
                                 : std::clamp(current + (key == TW_KEY_DOWN ? 1 : -1), 0, last);
            highlightRow(context, bar, next, false);
        }
        return true;
    }
    if (current < 0) return false;
    // Left, Right and Return are the highlighted row's.
    const Row& row = rows[std::size_t(current)];
    return row.widget->key(context, bar, row, key, apply);
}

bool offerToBar(Context& context, Bar& bar, bool pointed, const KeyPress& press, bool apply) {
    bool consumed = false;
    if (context.input.edit.bar == &bar) {
        consumed = !apply || editKeyPress(context, press);
    } else {
        consumed = applyShortcut(context, bar, press, apply) ||
                   (pointed && navigate(context, bar, press.key, apply));
    }
    if (consumed && apply && stillThere(context, bar)) context.bringToFront(bar);
    return consumed;
}

}  // namespace

bool keyPressed(Context& context, const KeyPress& press, bool apply) {
    InputState& input = context.input;
    const Hit hit = hitTest(context, input.mouseX, input.mouseY);
    const bool overBar =
        hit.zone != Zone::None && hit.zone != Zone::Icon && hit.zone != Zone::Popup;
    // An open list stands first in place of the bar under the pointer.
    Bar* pointed = overBar && !input.popup.bar ? hit.bar : nullptr;
    if (input.popup.widget && input.popup.widget->popupKey(context, press.key, apply)) return true;

    std::vector<Bar*> order;
    if (pointed) order.push_back(pointed);
    std::vector<Bar*> backToFront;
    context.forEachBackToFront([&](Bar& bar) { backToFront.push_back(&bar); });
    for (auto it = backToFront.rbegin(); it != backToFront.rend(); ++it) {
        if (*it != pointed && (*it)->shown()) order.push_back(*it);
    }
    for (auto it = backToFront.rbegin(); it != backToFront.rend(); ++it) {
        if ((*it)->visible && (*it)->iconified) order.push_back(*it);
    }
    for (Bar* bar : order) {
        if (offerToBar(context, *bar, bar == pointed, press, apply)) return true;
        if (engine().context != &context) return true;
    }
    return false;
}

}  // namespace tw
