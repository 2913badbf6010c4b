// The changes a user makes to values: typing into a field, dragging a number, toggling,
// picking an enum entry, and the keyboard shortcuts of controls. Each ends in writeControl,
// so set callbacks run inside the event call.
#pragma once

struct CTwBar;

namespace tw {

class Context;
struct Control;
using Bar = ::CTwBar;

// The value a user's action on a control starts from (a press, a key, a step of a drag, a
// field or a list opening): read from the caller at that moment (its memory, or the get
// callback), since the program may have changed it since the bar last showed it. The control's
// cached value and text follow. Null when the read's callback removed the control or its bar.
const unsigned char* actionValue(Context& context, Bar& bar, Control& control);

// Opens a field on the current value (a read-only text too, to select and copy from); the keys
// are TextField's.
void beginTextEdit(Context& context, Bar& bar, Control& control, int channel);
// Enter, Tab and a click elsewhere commit; a text that is no value keeps the old one.
void commitTextEdit(Context& context);
void cancelTextEdit(Context& context);

void toggleBool(Context& context, Bar& bar, Control& control);
// A number (or colour channel) set from a drag, clamped to its range.
void dragNumber(Context& context, Bar& bar, Control& control, int channel, double value);
void pickEnumEntry(Context& context, Bar& bar, Control& control, int entry);
// A control's shortcut: a button fires, a bool toggles, a number steps by direction.
void runShortcut(Context& context, Bar& bar, Control& control, int direction);
// A bool toggles, a number or a colour channel steps by direction, an enum goes to its next
// (or previous) entry and wraps at both ends.
void stepControl(Context& context, Bar& bar, Control& control, int channel, int direction);

}  // namespace tw
