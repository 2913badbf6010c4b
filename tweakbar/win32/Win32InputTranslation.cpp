#include "Win32InputTranslation.h"

#include <windowsx.h>

namespace tw {

namespace {

// The Caps Lock bit that TwKeyPressed reads for the case of Ctrl+letter.
constexpr int kCapsLockBit = 0x2000;

int specialKeyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_BACK:
            return TW_KEY_BACKSPACE;
        case VK_TAB:
            return TW_KEY_TAB;
        case VK_CLEAR:
            return TW_KEY_CLEAR;
        case VK_RETURN:
            return TW_KEY_RETURN;
        case VK_PAUSE:
            return TW_KEY_PAUSE;
        case VK_ESCAPE:
            return TW_KEY_ESCAPE;
        case VK_DELETE:
            return TW_KEY_DELETE;
        case VK_UP:
            return TW_KEY_UP;
        case VK_DOWN:
            return TW_KEY_DOWN;
        case VK_RIGHT:
            return TW_KEY_RIGHT;
        case VK_LEFT:
            return TW_KEY_LEFT;
        case VK_INSERT:
            return TW_KEY_INSERT;
        case VK_HOME:
            return TW_KEY_HOME;
        case VK_END:
            return TW_KEY_END;
        case VK_PRIOR:
            return TW_KEY_PAGE_UP;
        case VK_NEXT:
            return TW_KEY_PAGE_DOWN;
        default:
            if (virtualKey >= VK_F1 && virtualKey <= VK_F15) {
                return TW_KEY_F1 + int(virtualKey - VK_F1);
            }
            return 0;
    }
}

// Keys that reach the engine on the key down. Characters come with WM_CHAR, except that Ctrl
// turns letters into control codes there: Ctrl+letter is taken here, as the letter.
int keyOf(WPARAM virtualKey, int modifiers) {
    if (const int special = specialKeyOf(virtualKey)) return special;
    const bool ctrlOnly = (modifiers & TW_KMOD_CTRL) && !(modifiers & TW_KMOD_ALT);
    if (ctrlOnly && virtualKey >= 'A' && virtualKey <= 'Z') return int('a' + (virtualKey - 'A'));
    return 0;
}

Win32Input mouseAt(Win32Input::Kind kind, LPARAM lParam) {
    Win32Input input;
    input.kind = kind;
    // Signed: with the mouse captured, positions left of or above the client area are negative.
    input.x = GET_X_LPARAM(lParam);
    input.y = GET_Y_LPARAM(lParam);
    return input;
}

// A button acts where the last WM_MOUSEMOVE left the pointer, whatever its own lParam says, as
// the original library's windows expect.
Win32Input button(TwMouseButtonID which, bool down) {
    Win32Input input;
    input.kind = Win32Input::Kind::MouseButton;
    input.button = which;
    input.down = down;
    return input;
}

bool toWindows1252(wchar_t wide, unsigned char& out) {
    char narrow = 0;
    BOOL unmappable = FALSE;
    if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &wide, 1, &narrow, 1, nullptr,
                            &unmappable) != 1 ||
        unmappable)
        return false;
    out = static_cast<unsigned char>(narrow);
    return true;
}

// The engine's text is Windows-1252. The character is the message's low byte, as programs
// written for the original library send it (0x100 + 'k' types 'k'); a character of the window's
// own code page that Windows-1252 also has (the euro sign of a Unicode window, say) is taken
// as that character instead.
Win32Input character(WPARAM wParam, int modifiers, bool unicodeWindow) {
    Win32Input input;
    unsigned char byte = static_cast<unsigned char>(wParam & 0xFF);
    wchar_t wide = 0;
    if (unicodeWindow) {
        wide = static_cast<wchar_t>(wParam & 0xFFFF);
    } else {
        const char narrow = static_cast<char>(byte);
        if (MultiByteToWideChar(CP_ACP, 0, &narrow, 1, &wide, 1) != 1) wide = 0;
    }
    if (wide != 0) toWindows1252(wide, byte);
    if (byte == 0) return input;
    if (byte < 0x20 || byte == 0x7F) {
        input.kind = Win32Input::Kind::KeyEcho;
        return input;
    }
    input.kind = Win32Input::Kind::Character;
    input.character = byte;
    // Ctrl and Alt together are AltGr: the character is all they mean.
    const int altGr = TW_KMOD_CTRL | TW_KMOD_ALT;
    input.modifiers = (modifiers & altGr) == altGr ? modifiers & ~altGr : modifiers;
    return input;
}

// The letter or digit a key types, by its virtual key (letters are their capitals).
unsigned char typedByKey(WPARAM virtualKey) {
    const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
    const bool digit = virtualKey >= '0' && virtualKey <= '9';
    return letter || digit ? static_cast<unsigned char>(virtualKey) : 0;
}

}  // namespace

Win32Input translateWin32Message(UINT message, WPARAM wParam, LPARAM lParam, int modifiers,
                                 bool unicodeWindow) {
    using Kind = Win32Input::Kind;
    switch (message) {
        case WM_MOUSEMOVE:
            return mouseAt(Kind::MouseMove, lParam);
        // A double-click arrives instead of the second press; to a bar it is just a press.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return button(TW_MOUSE_LEFT, true);
        case WM_LBUTTONUP:
            return button(TW_MOUSE_LEFT, false);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return button(TW_MOUSE_RIGHT, true);
        case WM_RBUTTONUP:
            return button(TW_MOUSE_RIGHT, false);
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return button(TW_MOUSE_MIDDLE, true);
        case WM_MBUTTONUP:
            return button(TW_MOUSE_MIDDLE, false);
        case WM_MOUSEWHEEL: {
            Win32Input input = mouseAt(Kind::MouseWheel, lParam);
            input.wheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
            return input;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            Win32Input input;
            input.kind = Kind::KeyDown;
            input.modifiers = modifiers;
            // Bit 29 is the context code: Alt was down when the key was pressed.
            if (message == WM_SYSKEYDOWN && (lParam & (LPARAM(1) << 29))) {
                input.modifiers |= TW_KMOD_ALT;
            }
            input.key = keyOf(wParam, input.modifiers);
            input.virtualKey = int(wParam & 0xFF);
            if (input.key == 0) input.character = typedByKey(wParam);
            return input;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            Win32Input input;
            input.kind = Kind::KeyUp;
            input.virtualKey = int(wParam & 0xFF);
            return input;
        }
        // Alt held makes a character a system one; it is typed all the same.
        case WM_CHAR:
        case WM_SYSCHAR:
            return character(wParam, modifiers, unicodeWindow);
        case WM_SIZE: {
            Win32Input input;
            input.kind = Kind::Resize;
            input.x = LOWORD(lParam);
            input.y = HIWORD(lParam);
            return input;
        }
        default:
            return {};
    }
}

bool readsKeyboardState(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR ||
           message == WM_SYSCHAR;
}

int heldModifiers() {
    // GetKeyState follows the messages the thread has taken from its queue, so it describes the
    // keyboard as it was when this message was posted, not as it is now.
    int modifiers = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000) modifiers |= TW_KMOD_SHIFT;
    if (GetKeyState(VK_CONTROL) & 0x8000) modifiers |= TW_KMOD_CTRL;
    if (GetKeyState(VK_MENU) & 0x8000) modifiers |= TW_KMOD_ALT;
    if (GetKeyState(VK_CAPITAL) & 1) modifiers |= kCapsLockBit;
    return modifiers;
}

}  // namespace tw
