// Builds the one display list that draws every visible bar, the icons and an open enum list,
// back to front, from the current layout.
#pragma once

namespace tw {

class Context;

void buildDisplayList(Context& context);

}  // namespace tw
