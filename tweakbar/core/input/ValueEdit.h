// The changes a user makes to values: typing into a field, dragging a number, toggling,
// picking an enum entry, and the keyboard shortcuts of controls. Each ends in writeControl,
// so set callbacks run inside the event call.
#pragma once

struct CTwBar;

namespace tw {

class Context;
struct Control;
using Bar = ::CTwBar;

void beginTextEdit(Context& context, Bar& bar, Control& control, int channel);
// Enter, Tab and a click elsewhere commit; a text that is no value keeps the old one.
void commitTextEdit(Context& context);
void cancelTextEdit(Context& context);
// While a field is being edited: the keys that move the caret, delete, commit or cancel.
void editKey(Context& context, int key);
void editChar(Context& context, unsigned char c);
// A click inside the field being edited moves the caret there.
void placeCaret(Context& context, int x);

void toggleBool(Context& context, Bar& bar, Control& control);
// A number (or colour channel) set from a drag, clamped to its range.
void dragNumber(Context& context, Bar& bar, Control& control, int channel, double value);
// The list of an enum's entries, with the current one highlighted.
void openEnumList(Context& context, Bar& bar, Control& control);
void pickEnumEntry(Context& context, Bar& bar, Control& control, int entry);
// The next (or previous) entry of an enum, wrapping at both ends.
void cycleEnum(Context& context, Bar& bar, Control& control, int direction);
// A control's shortcut: a button fires, a bool toggles, a number steps by direction.
void runShortcut(Context& context, Bar& bar, Control& control, int direction);
// A bool toggles, a number, an enum or a colour channel steps by direction.
void stepControl(Context& context, Bar& bar, Control& control, int channel, int direction);

}  // namespace tw
