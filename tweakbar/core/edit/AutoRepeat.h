// A held press that repeats: the first repeat half a second after the press, then ten a
// second, for as long as the button stays down, the pointer stays within a few pixels of the
// press and the caller keeps drawing. The repeats run inside TwDraw, on the engine's clock.
#pragma once

#include "model/InputState.h"

namespace tw {

class Context;

// Starts repeating a press made now at the pointer's place (the press itself has been applied).
void holdPress(Context& context, const HeldPress& press);
// The pointer moved while the button is down: too far from the press, the repeats stop.
void heldPointerMoved(Context& context, int x, int y);
// Runs the repeats due by now; called once per TwDraw.
void repeatHeldPress(Context& context, double now);

}  // namespace tw
