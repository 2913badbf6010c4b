// Moving values between the caller's variables (or callbacks) and the controls that show them.
#pragma once

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
struct Control;

// Reads one variable; marks the display changed when what it shows differs. May run the get
// callback, which may change anything.
void readControl(Context& context, Bar& bar, Control& control);
// Reads every variable of a bar.
void readBar(Context& context, Bar& bar);
// Before drawing: reads the bars that are shown and due, and every value never read yet.
void refreshValues(Context& context, double now);
// Hands a new value to the caller (its variable, or the set callback) and has the bar read
// its values again before the next frame.
void writeControl(Context& context, Bar& bar, Control& control, const unsigned char* raw);
// The same for a caller that writes whatever the control's read-only state. False when there
// is nothing to write to (a callback variable without a set callback).
bool storeControl(Context& context, Bar& bar, Control& control, const unsigned char* raw);

}  // namespace tw
