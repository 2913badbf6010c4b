// Window-system-neutral input that the engine's core understands. A platform adapter (Win32
// messages) translates into these calls; each returns true when the engine handled the event,
// which the adapter reports to its caller so the game can be kept from seeing it.
#pragma once

namespace tw {

enum class MouseButton { Left, Right, Middle };

enum class Key {
    Other,
    Enter,
    Escape,
    Backspace,
    Delete,
    Tab,
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
};

enum Modifier : int { ModShift = 1, ModCtrl = 2, ModAlt = 4 };

bool inputMouseMove(int x, int y);
bool inputMouseButton(MouseButton button, bool down);
// One notch of a mouse wheel is 120, positive away from the user.
bool inputMouseWheel(int delta);
bool inputKeyDown(Key key, int modifiers);
// A character typed, in the 8-bit code page of the engine's text.
bool inputChar(unsigned char c, int modifiers);
// The drawing area was resized by the window system (not reported as handled).
void inputResize(int width, int height);
// True while a drag (a bar move or resize, a value drag) wants every mouse event even outside
// the window; the adapter captures the mouse meanwhile.
bool inputWantsCapture();

}  // namespace tw
