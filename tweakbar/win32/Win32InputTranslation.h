// Window messages as the engine's input sees them. Translation is a pure function of the
// message and the keyboard state handed in, so every case can be checked without a window.
#pragma once

#include <windows.h>

#include "AntTweakBar.h"

namespace tw {

struct Win32Input {
    enum class Kind {
        Ignored,      // not a message the engine takes
        MouseMove,    // to x, y in client pixels
        MouseButton,  // button pressed (down) or released, where the last move left the pointer
        MouseWheel,   // wheelDelta, at x, y in screen pixels, as Windows sends it
        // virtualKey went down: key (a TW_KEY_* value, or a letter typed with Ctrl; 0 for none)
        // with modifiers, or else the letter or digit it types as character (the key's own
        // capital), whose WM_CHAR comes next
        KeyDown,
        KeyUp,      // virtualKey went up
        Character,  // character (Windows-1252) with modifiers
        KeyEcho,    // a control character that TranslateMessage made of the last key down
        Resize,     // the client area is now x by y pixels (0 x 0: minimised)
    };
    Kind kind = Kind::Ignored;
    int x = 0, y = 0;
    TwMouseButtonID button = TW_MOUSE_LEFT;
    bool down = false;
    int wheelDelta = 0;
    int key = 0;
    int virtualKey = 0;
    int modifiers = 0;  // TW_KMOD_* masks, and the Caps Lock bit of the generic key input
    unsigned char character = 0;
};

// modifiers: what heldModifiers() gives for the message. unicodeWindow: whether WM_CHAR and
// WM_SYSCHAR carry UTF-16 (a window of a Unicode class) or a byte of the ANSI code page.
Win32Input translateWin32Message(UINT message, WPARAM wParam, LPARAM lParam, int modifiers,
                                 bool unicodeWindow);

// Whether translating the message reads the modifiers or the window's character width. Only
// those messages need heldModifiers() and IsWindowUnicode: under Wine each of those questions is
// a round trip to the Wine server, tens of microseconds, which a mouse move should not pay.
bool readsKeyboardState(UINT message);

// The TW_KMOD_* masks (and the Caps Lock bit) of the keyboard state that belongs to the
// message being processed.
int heldModifiers();

}  // namespace tw
