// The input the engine's core understands, behind TwMouseMotion, TwMouseButton, TwMouseWheel,
// TwKeyPressed and TwKeyTest: each runs on a context whose drawing area has a size, with the
// engine lock held, and says whether the event was the engine's. TwEventWin translates window
// messages into those same entry points.
#pragma once

#include "AntTweakBar.h"
#include "base/KeyPress.h"

namespace tw {

class Context;

bool mouseMotion(Context& context, int x, int y);
bool mouseButton(Context& context, TwMouseButtonID button, bool pressed);
// pos: the wheel's absolute position in notches.
bool mouseWheel(Context& context, int pos);
// Routes a key through the bars; with apply false only says whether one would take it.
bool keyPressed(Context& context, const KeyPress& press, bool apply);

// The drawing area's size, from TwWindowSize or the window system: remembered for contexts made
// later (even before TwInit), and applied to the current one. Reports nothing. Takes the lock.
void windowResized(int width, int height);

// The wheel's position in notches as the current context last took it (0 without one), so
// that a window adapter which counts turns can hand TwMouseWheel an absolute position. Takes
// the engine lock.
int wheelPosition();

// True while a drag (a bar move or resize, a value drag) wants every mouse event even outside
// the window; the window adapter captures the mouse meanwhile. Takes the engine lock.
bool inputWantsCapture();

}  // namespace tw
