// Which engine input each window message becomes.
#include <gtest/gtest.h>

#include <utility>

#include "Win32InputTranslation.h"

namespace {

using tw::Win32Input;
using Kind = tw::Win32Input::Kind;

LPARAM point(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

Win32Input translate(UINT message, WPARAM wParam, LPARAM lParam, int modifiers = 0) {
    return tw::translateWin32Message(message, wParam, lParam, modifiers, true);
}

TEST(Win32InputTranslation, MovesKeepSignedPositionsButtonsTakeNoneAndDoubleClicksArePresses) {
    // With the mouse captured, a drag past the top-left corner reports negative positions.
    Win32Input in = translate(WM_MOUSEMOVE, MK_LBUTTON, point(-5, -300));
    EXPECT_EQ(in.kind, Kind::MouseMove);
    EXPECT_EQ(in.x, -5);
    EXPECT_EQ(in.y, -300);

    const struct {
        UINT message;
        TwMouseButtonID button;
        bool down;
    } buttons[] = {
        {WM_LBUTTONDOWN, TW_MOUSE_LEFT, true},     {WM_LBUTTONUP, TW_MOUSE_LEFT, false},
        {WM_LBUTTONDBLCLK, TW_MOUSE_LEFT, true},   {WM_RBUTTONDOWN, TW_MOUSE_RIGHT, true},
        {WM_RBUTTONUP, TW_MOUSE_RIGHT, false},     {WM_RBUTTONDBLCLK, TW_MOUSE_RIGHT, true},
        {WM_MBUTTONDOWN, TW_MOUSE_MIDDLE, true},   {WM_MBUTTONUP, TW_MOUSE_MIDDLE, false},
        {WM_MBUTTONDBLCLK, TW_MOUSE_MIDDLE, true},
    };
    for (const auto& c : buttons) {
        in = translate(c.message, 0, point(7, 9));
        EXPECT_EQ(in.kind, Kind::MouseButton) << c.message;
        EXPECT_EQ(in.button, c.button) << c.message;
        EXPECT_EQ(in.down, c.down) << c.message;
        EXPECT_EQ(in.x * 100 + in.y, 0) << "where the last move left the pointer";
    }

    in = translate(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), point(1500, 900));
    EXPECT_EQ(in.kind, Kind::MouseWheel);
    EXPECT_EQ(in.wheelDelta, -240);
    EXPECT_EQ(in.x * 10000 + in.y, 15000900);
}

TEST(Win32InputTranslation, VirtualKeysBecomeSpecialKeysWithTheirModifiers) {
    const int ctrlShift = TW_KMOD_CTRL | TW_KMOD_SHIFT;
    const std::pair<WPARAM, int> keys[] = {
        {VK_RETURN, TW_KEY_RETURN},
        {VK_ESCAPE, TW_KEY_ESCAPE},
        {VK_BACK, TW_KEY_BACKSPACE},
        {VK_DELETE, TW_KEY_DELETE},
        {VK_TAB, TW_KEY_TAB},
        {VK_LEFT, TW_KEY_LEFT},
        {VK_RIGHT, TW_KEY_RIGHT},
        {VK_UP, TW_KEY_UP},
        {VK_DOWN, TW_KEY_DOWN},
        {VK_HOME, TW_KEY_HOME},
        {VK_END, TW_KEY_END},
        {VK_PRIOR, TW_KEY_PAGE_UP},
        {VK_NEXT, TW_KEY_PAGE_DOWN},
        {VK_INSERT, TW_KEY_INSERT},
        {VK_PAUSE, TW_KEY_PAUSE},
        {VK_F1, TW_KEY_F1},
        {VK_F15, TW_KEY_F15},
        {VK_SHIFT, 0},
        // With Ctrl, a letter comes as the letter: the control code of its WM_CHAR is no key.
        {'A', 'a'},
        {'Z', 'z'},
        {'5', 0},
    };
    for (const auto& [virtualKey, key] : keys) {
        const Win32Input in = translate(WM_KEYDOWN, virtualKey, 1, ctrlShift);
        EXPECT_EQ(in.kind, Kind::KeyDown);
        EXPECT_EQ(in.key, key) << virtualKey;
        EXPECT_EQ(in.virtualKey, int(virtualKey));
        EXPECT_EQ(in.modifiers, ctrlShift);
    }
    // Typed: WM_CHAR brings it; the key down names the letter or digit, and nothing else.
    for (const auto& [virtualKey, typed] : {std::pair<WPARAM, int>{'A', 'A'},
                                            {'7', '7'},
                                            {VK_OEM_COMMA, 0},
                                            {VK_NUMPAD5, 0},
                                            {VK_SHIFT, 0}}) {
        const Win32Input in = translate(WM_KEYDOWN, virtualKey, 1, TW_KMOD_SHIFT);
        EXPECT_EQ(in.key, 0) << virtualKey;
        EXPECT_EQ(in.character, typed) << virtualKey;
    }
    EXPECT_EQ(translate(WM_KEYUP, 'Q', 1).kind, Kind::KeyUp);
    EXPECT_EQ(translate(WM_SYSKEYUP, VK_F10, 1).virtualKey, VK_F10);
    // A system key pressed with Alt says so in bit 29; F10 arrives as a system key without it.
    EXPECT_EQ(translate(WM_SYSKEYDOWN, VK_RETURN, LPARAM(1) << 29 | 1).modifiers, TW_KMOD_ALT);
    EXPECT_EQ(translate(WM_SYSKEYDOWN, VK_F10, 1, TW_KMOD_SHIFT).modifiers, TW_KMOD_SHIFT);
    EXPECT_EQ(translate(WM_SYSKEYDOWN, 'X', LPARAM(1) << 29 | 1, TW_KMOD_CTRL).key, 0)
        << "Ctrl with Alt is AltGr: its characters come as characters";
}

TEST(Win32InputTranslation,
     CharactersKeepTheirModifiersUnlessTypedWithAltGrAndControlCodesEchoTheirKey) {
    for (UINT message : {UINT(WM_CHAR), UINT(WM_SYSCHAR)}) {
        const Win32Input in = translate(message, 'q', 1, TW_KMOD_SHIFT);
        EXPECT_EQ(in.kind, Kind::Character) << message;
        EXPECT_EQ(in.character, 'q') << message;
        EXPECT_EQ(in.modifiers, TW_KMOD_SHIFT) << message;
    }
    EXPECT_EQ(translate(WM_CHAR, '@', 1, TW_KMOD_CTRL | TW_KMOD_ALT).modifiers, 0)
        << "typed with AltGr";
    // The code page's bytes from either class of window are typed through real windows in the
    // bundled engine's input tests; here the control codes, which echo their key.
    for (WPARAM c : {WPARAM('\r'), WPARAM('\b'), WPARAM('\t'), WPARAM(27), WPARAM(127)})
        EXPECT_EQ(translate(WM_CHAR, c, 1).kind, Kind::KeyEcho) << c;
}

bool sameInput(const Win32Input& a, const Win32Input& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y && a.button == b.button &&
           a.down == b.down && a.wheelDelta == b.wheelDelta && a.key == b.key &&
           a.modifiers == b.modifiers && a.character == b.character;
}

// The adapter asks the window system for the keyboard state only for the messages named by
// readsKeyboardState; every other message must translate the same whatever that state is.
TEST(Win32InputTranslation, OnlyKeyboardMessagesDependOnTheKeyboardState) {
    const int allModifiers = TW_KMOD_SHIFT | TW_KMOD_CTRL | TW_KMOD_ALT;
    for (UINT message = 0; message < WM_USER + 16; ++message) {
        if (tw::readsKeyboardState(message)) continue;
        for (WPARAM wParam : {WPARAM(0), WPARAM('a'), WPARAM(VK_RETURN), WPARAM(0xE9)}) {
            const LPARAM lParam = point(12, 34) | (LPARAM(1) << 29);
            EXPECT_TRUE(
                sameInput(tw::translateWin32Message(message, wParam, lParam, 0, false),
                          tw::translateWin32Message(message, wParam, lParam, allModifiers, true)))
                << "message " << message;
        }
    }
    for (UINT message : {UINT(WM_KEYDOWN), UINT(WM_SYSKEYDOWN), UINT(WM_CHAR), UINT(WM_SYSCHAR)}) {
        EXPECT_TRUE(tw::readsKeyboardState(message)) << message;
        EXPECT_EQ(tw::translateWin32Message(message, 'a', 1, TW_KMOD_SHIFT, false).modifiers,
                  TW_KMOD_SHIFT)
            << message;
    }
    EXPECT_FALSE(tw::readsKeyboardState(WM_MOUSEMOVE));
}

}  // namespace
