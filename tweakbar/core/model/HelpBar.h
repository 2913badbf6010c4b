// The help bar's lines: the engine-wide help, then per bar its help and the shortcuts of its
// controls. Generated when the help bar is open and something they come from has changed.
#pragma once

namespace tw {

class Context;

void updateHelpBar(Context& context);

}  // namespace tw
