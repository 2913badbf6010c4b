// Which widget shows a control: the one place that knows every kind of row.
#pragma once

#include "widgets/Widget.h"

namespace tw {

struct Control;

// Chosen by the control's kind, its value type and its parameters (an integer given enum
// entries is a list), each time the layout is made.
const Widget& widgetFor(const Control& control);

// Every widget the table chooses from, in its order; for what the help bar says about them.
struct WidgetList {
    const Widget* const* first;
    const Widget* const* last;
    const Widget* const* begin() const { return first; }
    const Widget* const* end() const { return last; }
};
WidgetList everyWidget();

}  // namespace tw
