// What the input handling remembers between events: the mouse, the thing under it, a drag in
// progress, a value being typed, an open list of enum values.
#pragma once

#include <any>
#include <string>

#include "draw/Geometry.h"

struct CTwBar;

namespace tw {

struct Control;
class Widget;
using Bar = ::CTwBar;

enum class DragKind {
    None,
    MoveBar,
    ResizeBar,
    ScrollThumb,
    PressIcon,     // released over the same icon, the bar is restored
    PressIconify,  // released over the same title button, the bar is iconified
    SelectText,    // pressed in the open field: the selection follows the pointer
    ValuesWidth,   // the grip between the columns dragged: startValue is the width at the press
    // A row's widget runs it (Drag::widget): a number dragged or turned, a button or a [-] held,
    // a trackball turned, the scrollbar of an open list.
    Widget,
};

// Which corner of a bar a resize drags.
enum Corner : int { CornerLeft = 1, CornerTop = 2 };

struct Hover {
    Bar* bar = nullptr;
    Control* control = nullptr;
    int channel = -1;
    bool icon = false;
    bool iconifyButton = false;
    bool fontButton = false;
    bool fitStrip = false;  // above the labels or the values, where a press fits the column

    bool operator==(const Hover& o) const {
        return bar == o.bar && control == o.control && channel == o.channel && icon == o.icon &&
               iconifyButton == o.iconifyButton && fontButton == o.fontButton &&
               fitStrip == o.fitStrip;
    }
    bool operator!=(const Hover& o) const { return !(*this == o); }
};

struct Drag {
    DragKind kind = DragKind::None;
    Bar* bar = nullptr;
    Control* control = nullptr;
    int channel = -1;
    int corner = 0;
    int startX = 0, startY = 0;
    Rect startFrame;
    int startScroll = 0;
    double startValue = 0;
    bool moved = false;
    // DragKind::Widget: the widget, and what it keeps until the release (the rotoslider's
    // centre and turn, a trackball's orientation at the press).
    const Widget* widget = nullptr;
    std::any widgetState;
    bool pressedLook = false;      // its row shows the pressed highlight (a button held down)
    bool hidesRowButtons = false;  // no row shows its small buttons (a number dragged or turned)
};

// A press that repeats while the button stays down: a row's [-] or [+]. The repeats come from
// TwDraw.
struct HeldPress {
    enum class Action { None, StepNumber };
    Action action = Action::None;
    Bar* bar = nullptr;
    Control* control = nullptr;
    int channel = -1;
    int direction = 0;  // +1 or -1
    int x = 0, y = 0;   // where it was pressed
    double nextAt = 0;  // when the next repeat is due
    double lastDrawAt = 0;
};

struct TextEdit {
    Bar* bar = nullptr;  // null when nothing is being edited
    Control* control = nullptr;
    int channel = -1;
    std::string text;
    std::size_t caret = 0;
    std::size_t anchor = 0;  // the other end of the selection; equal to caret when none
    bool readOnly = false;   // the text can be selected and copied, not changed
    int scrollX = 0;         // pixels of text hidden at the left of the field
};

struct EnumPopup {
    Bar* bar = nullptr;  // null when closed
    Control* control = nullptr;
    const Widget* widget = nullptr;  // whose list it is, which paints it and takes its input
    int hovered = -1;                // entry under the mouse or chosen with the arrow keys
    int scroll = 0;                  // the first entry shown when they do not all fit
};

struct InputState {
    int mouseX = -1, mouseY = -1;
    int wheelPos = 0;  // the wheel's absolute position last given
    Hover hover;
    Drag drag;
    TextEdit edit;
    EnumPopup popup;
    HeldPress held;

    // Drops every reference to a bar or a control that is going away.
    void forget(const Bar* bar);
    void forget(const Control* control);
};

}  // namespace tw
