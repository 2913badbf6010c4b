#include "Win32InputTranslation.h"

#include <windowsx.h>

namespace tw {

namespace {

Key keyOf(WPARAM virtualKey) {
    switch (virtualKey) {
        case VK_RETURN:
            return Key::Enter;
        case VK_ESCAPE:
            return Key::Escape;
        case VK_BACK:
            return Key::Backspace;
        case VK_DELETE:
            return Key::Delete;
        case VK_TAB:
            return Key::Tab;
        case VK_LEFT:
            return Key::Left;
        case VK_RIGHT:
            return Key::Right;
        case VK_UP:
            return Key::Up;
        case VK_DOWN:
            return Key::Down;
        case VK_HOME:
            return Key::Home;
        case VK_END:
            return Key::End;
        case VK_PRIOR:
            return Key::PageUp;
        case VK_NEXT:
            return Key::PageDown;
        default:
            return Key::Other;
    }
}

Win32Input mouseAt(Win32Input::Kind kind, LPARAM lParam) {
    Win32Input input;
    input.kind = kind;
    // Signed: with the mouse captured, positions left of or above the client area are negative.
    input.x = GET_X_LPARAM(lParam);
    input.y = GET_Y_LPARAM(lParam);
    return input;
}

Win32Input button(LPARAM lParam, MouseButton which, bool down) {
    Win32Input input = mouseAt(Win32Input::Kind::MouseButton, lParam);
    input.button = which;
    input.down = down;
    return input;
}

Win32Input character(WPARAM wParam, int modifiers, bool unicodeWindow) {
    Win32Input input;
    wchar_t wide = 0;
    if (unicodeWindow) {
        wide = static_cast<wchar_t>(wParam & 0xFFFF);
    } else {
        const char narrow = static_cast<char>(wParam & 0xFF);
        if (MultiByteToWideChar(CP_ACP, 0, &narrow, 1, &wide, 1) != 1) return input;
    }
    if (wide < 0x20 || wide == 0x7F) {
        input.kind = Win32Input::Kind::KeyEcho;
        return input;
    }
    // The engine's text is Windows-1252; a character outside it cannot be typed into a value.
    char narrow = 0;
    BOOL unmappable = FALSE;
    if (WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, &wide, 1, &narrow, 1, nullptr,
                            &unmappable) != 1 ||
        unmappable)
        return input;
    input.kind = Win32Input::Kind::Character;
    input.character = static_cast<unsigned char>(narrow);
    input.modifiers = modifiers;
    return input;
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
            return button(lParam, MouseButton::Left, true);
        case WM_LBUTTONUP:
            return button(lParam, MouseButton::Left, false);
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return button(lParam, MouseButton::Right, true);
        case WM_RBUTTONUP:
            return button(lParam, MouseButton::Right, false);
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return button(lParam, MouseButton::Middle, true);
        case WM_MBUTTONUP:
            return button(lParam, MouseButton::Middle, false);
        case WM_MOUSEWHEEL: {
            Win32Input input = mouseAt(Kind::MouseWheel, lParam);
            input.wheelDelta = GET_WHEEL_DELTA_WPARAM(wParam);
            return input;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            Win32Input input;
            input.kind = Kind::KeyDown;
            input.key = keyOf(wParam);
            input.modifiers = modifiers;
            // Bit 29 is the context code: Alt was down when the key was pressed.
            if (message == WM_SYSKEYDOWN && (lParam & (LPARAM(1) << 29))) input.modifiers |= ModAlt;
            return input;
        }
        case WM_CHAR:
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
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_CHAR;
}

int heldModifiers() {
    // GetKeyState follows the messages the thread has taken from its queue, so it describes the
    // keyboard as it was when this message was posted, not as it is now.
    int modifiers = 0;
    if (GetKeyState(VK_SHIFT) & 0x8000) modifiers |= ModShift;
    if (GetKeyState(VK_CONTROL) & 0x8000) modifiers |= ModCtrl;
    if (GetKeyState(VK_MENU) & 0x8000) modifiers |= ModAlt;
    return modifiers;
}

}  // namespace tw
