// A left press on a writable number row's label or on its small buttons: [-] and [+] step
// (and repeat while held), the label and [o] start the rotoslider. The rest of the row (its
// value, to drag or type) is the generic row input's.
#pragma once

struct CTwBar;

namespace tw {

using Bar = ::CTwBar;

class Context;
struct Row;

// True when the press was taken here.
bool pressNumberRow(Context& context, Bar& bar, const Row& row, bool inValue, int x, int y);

}  // namespace tw
