// TwEventWin: one window message translated into the generic input functions (TwMouseMotion,
// TwMouseButton, TwMouseWheel, TwKeyPressed, TwWindowSize), and the mouse captured for as long
// as the engine drags something, so a drag that leaves the window still ends where it should;
// and the cursor that the pointer's place calls for.
#include <windows.h>

#include <atomic>

#include "AntTweakBar.h"
#include "input/InputEvents.h"
#include "Win32Cursors.h"
#include "Win32InputTranslation.h"

namespace {

// The answer to the last key down, given again for the control character that TranslateMessage
// makes of it (Enter, Backspace, Tab, Escape), so the game sees both messages or neither.
std::atomic<bool> lastKeyDownHandled{false};
// The window the engine captured the mouse for; null while it holds no capture. A capture the
// game set itself is never released here.
std::atomic<HWND> capturedWindow{nullptr};
// What the wheel turned short of a whole notch, in Windows' units (120 a notch).
std::atomic<int> wheelRemainder{0};
// Which keys went down as the engine's: their key up is the engine's too, so that the game
// sees both or neither.
std::atomic<bool> keyTaken[256];

// Whether a key's letter or digit is the engine's: it acts with the WM_CHAR that follows, but
// a game asks on the key down whether to act on the key itself. Either case of a letter counts.
bool typedKeyIsTaken(unsigned char typed, int modifiers) {
    if (typed == 0) return false;
    const unsigned char lower = typed >= 'A' && typed <= 'Z' ? typed - 'A' + 'a' : typed;
    return TwKeyTest(typed, modifiers) != 0 || (lower != typed && TwKeyTest(lower, modifiers) != 0);
}

bool dispatch(HWND window, const tw::Win32Input& input) {
    using Kind = tw::Win32Input::Kind;
    switch (input.kind) {
        case Kind::MouseMove:
            return TwMouseMotion(input.x, input.y) != 0;
        case Kind::MouseButton:
            return TwMouseButton(input.down ? TW_MOUSE_PRESSED : TW_MOUSE_RELEASED, input.button) !=
                   0;
        case Kind::MouseWheel: {
            POINT point{input.x, input.y};
            if (window && ScreenToClient(window, &point)) TwMouseMotion(point.x, point.y);
            const int turned = wheelRemainder += input.wheelDelta;
            const int notches = turned / WHEEL_DELTA;
            if (notches == 0) return false;
            wheelRemainder -= notches * WHEEL_DELTA;
            return TwMouseWheel(tw::wheelPosition() + notches) != 0;
        }
        case Kind::KeyDown: {
            const bool handled = input.key != 0 ? TwKeyPressed(input.key, input.modifiers) != 0
                                                : typedKeyIsTaken(input.character, input.modifiers);
            lastKeyDownHandled = handled;
            keyTaken[input.virtualKey] = handled;
            return handled;
        }
        case Kind::KeyUp:
            return keyTaken[input.virtualKey].exchange(false);
        case Kind::Character:
            return TwKeyPressed(input.character, input.modifiers) != 0;
        case Kind::KeyEcho:
            return lastKeyDownHandled;
        case Kind::Resize:
            // A minimised window reports an empty area: nothing is drawn or hit until it has a
            // size again, and the bars keep their places meanwhile.
            tw::windowResized(input.x, input.y);
            return false;
        case Kind::Ignored:
            return false;
    }
    return false;
}

void followCapture(HWND window) {
    if (tw::inputWantsCapture()) {
        if (window && !capturedWindow.load() && GetCapture() != window) {
            SetCapture(window);
            capturedWindow = window;
        }
    } else if (HWND held = capturedWindow.exchange(nullptr)) {
        if (GetCapture() == held) ReleaseCapture();
    }
}

}  // namespace

extern "C" int TW_CALL TwEventWin(void* wnd, unsigned int msg, unsigned long long wParam,
                                  long long lParam) {
    HWND window = static_cast<HWND>(wnd);
    if (msg == WM_CAPTURECHANGED) {
        // Another window took the mouse; the engine's capture is gone.
        if (reinterpret_cast<HWND>(lParam) != capturedWindow.load()) capturedWindow = nullptr;
        return 0;
    }
    if (msg == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        if (HCURSOR cursor = tw::systemCursor(tw::pointerCursor())) {
            SetCursor(cursor);
            return 1;
        }
    }
    const bool keyboard = tw::readsKeyboardState(msg);
    const tw::Win32Input input = tw::translateWin32Message(
        msg, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
        keyboard ? tw::heldModifiers() : 0, keyboard && window && IsWindowUnicode(window));
    const bool handled = dispatch(window, input);
    if (input.kind != tw::Win32Input::Kind::Ignored) followCapture(window);
    return handled ? 1 : 0;
}

extern "C" int TW_CALL TwEventWin32(void* wnd, unsigned int msg, unsigned long long wParam,
                                    long long lParam) {
    return TwEventWin(wnd, msg, wParam, lParam);
}
